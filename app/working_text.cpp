#include "app/working_text.h"

#include <cstring>

namespace varnel::app {

FileEncoding FileEncodingFromIndex(int index) {
    switch (index) {
    case 1:
        return FileEncoding::kUtf8;
    case 2:
        return FileEncoding::kUnicode;
    default:
        return FileEncoding::kAnsi;
    }
}

namespace {

bool StartsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> mark) {
    return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

} // namespace

std::string DescribeContentProblem(const ContentProblem& problem) {
    const std::string where = " at byte " + std::to_string(problem.offset);
    switch (problem.kind) {
    case encoding::AnsiStop::kZeroCharacter:
        return "a zero character" + where + " cannot be part of a text";
    case encoding::AnsiStop::kNoGbkForm:
        return encoding::CodePointName(problem.character) + where + " has no GBK form";
    case encoding::AnsiStop::kMalformed:
        return "invalid encoding" + where;
    case encoding::AnsiStop::kNone:
        break;
    }
    return "cannot be read as text" + where;
}

WorkingText WorkingText::Make(std::span<const std::uint8_t> bytes, FileEncoding encoding) {
    WorkingText result;
    if (encoding == FileEncoding::kAnsi) {
        // A Text holds no zero byte; cutting there would lose the rest of the file.
        const void* zero = bytes.empty() ? nullptr : std::memchr(bytes.data(), 0, bytes.size());
        if (zero) {
            const auto offset = static_cast<const std::uint8_t*>(zero) - bytes.data();
            result.problem_ = ContentProblem{encoding::AnsiStop::kZeroCharacter,
                                             static_cast<std::uint64_t>(offset), 0};
        } else {
            result.inPlace_ = AsChars(bytes);
        }
        return result;
    }

    std::size_t skipped = 0;
    if (encoding == FileEncoding::kUtf8 && StartsWith(bytes, {0xEF, 0xBB, 0xBF})) {
        skipped = 3;
    } else if (encoding == FileEncoding::kUnicode && StartsWith(bytes, {0xFF, 0xFE})) {
        skipped = 2;
    }
    const auto content = bytes.subspan(skipped);
    encoding::AnsiConversion converted = encoding == FileEncoding::kUtf8
                                             ? encoding::Utf8ToAnsiReporting(content)
                                             : encoding::UnicodeToAnsiReporting(content);
    if (converted.stop != encoding::AnsiStop::kNone) {
        result.problem_ =
            ContentProblem{converted.stop, skipped + converted.offset, converted.character};
    } else {
        result.converted_ = std::move(converted.text);
    }
    return result;
}

} // namespace varnel::app
