#include "cli/convert_arguments.h"

#include <charconv>
#include <limits>
#include <optional>

#include "base/date_time.h"
#include "cli/terminal_text.h"

namespace varnel::cli {
namespace {

ParsedValue Failed(std::string error) {
    return {Value{}, std::move(error)};
}

std::string Quoted(std::string_view typed) {
    return "'" + std::string(typed) + "'";
}

ParsedValue ParseInteger(std::string_view typed, std::int64_t low, std::int64_t high) {
    std::int64_t value = 0;
    const char* end = typed.data() + typed.size();
    const auto result = std::from_chars(typed.data(), end, value, 10);
    if (result.ec == std::errc::invalid_argument || result.ptr != end) {
        return Failed(Quoted(typed) + " is not a decimal integer");
    }
    if (result.ec == std::errc::result_out_of_range || value < low || value > high) {
        return Failed(Quoted(typed) + " is outside " + std::to_string(low) + " to " +
                      std::to_string(high));
    }
    return {value, {}};
}

// Reads 1 to `maxDigits` digits at `pos`.
std::optional<int> Field(std::string_view text, std::size_t& pos, std::size_t maxDigits) {
    int value = 0;
    std::size_t count = 0;
    while (pos < text.size() && count < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos++] - '0');
        ++count;
    }
    return count == 0 ? std::nullopt : std::optional<int>(value);
}

bool Expect(std::string_view text, std::size_t& pos, std::string_view any) {
    if (pos < text.size() && any.find(text[pos]) != std::string_view::npos) {
        ++pos;
        return true;
    }
    return false;
}

ParsedValue ParseDateTime(std::string_view typed) {
    const std::string form = " is not a date-time (YYYY-MM-DD HH:MM:SS)";
    std::size_t pos = 0;
    CivilDateTime civil;
    const auto year = Field(typed, pos, 4);
    if (!year || !Expect(typed, pos, "-")) {
        return Failed(Quoted(typed) + form);
    }
    const auto month = Field(typed, pos, 2);
    if (!month || !Expect(typed, pos, "-")) {
        return Failed(Quoted(typed) + form);
    }
    const auto day = Field(typed, pos, 2);
    if (!day) {
        return Failed(Quoted(typed) + form);
    }
    civil.year = *year;
    civil.month = *month;
    civil.day = *day;
    if (pos < typed.size()) {
        std::optional<int> hour;
        std::optional<int> minute;
        std::optional<int> second;
        if (!Expect(typed, pos, " T") || !(hour = Field(typed, pos, 2)) ||
            !Expect(typed, pos, ":") || !(minute = Field(typed, pos, 2)) ||
            !Expect(typed, pos, ":") || !(second = Field(typed, pos, 2)) || pos != typed.size()) {
            return Failed(Quoted(typed) + form);
        }
        civil.hour = *hour;
        civil.minute = *minute;
        civil.second = *second;
    }
    const std::optional<DateTime> value = FromCivil(civil);
    if (!value) {
        return Failed(Quoted(typed) + " is no valid date-time between the years 100 and 9999");
    }
    return {*value, {}};
}

ParsedValue FromBytes(std::string bytes, ValueKind kind) {
    if (kind == ValueKind::kText || kind == ValueKind::kBig5Text) {
        return {Text(std::move(bytes)), {}};
    }
    return {BytesOf(bytes), {}};
}

} // namespace

ParsedValue ParseArgument(std::string_view typed, ValueKind kind, bool unicode) {
    switch (kind) {
    case ValueKind::kInt32:
        return ParseInteger(typed, std::numeric_limits<std::int32_t>::min(),
                            std::numeric_limits<std::int32_t>::max());
    case ValueKind::kInt64:
        return ParseInteger(typed, std::numeric_limits<std::int64_t>::min(),
                            std::numeric_limits<std::int64_t>::max());
    case ValueKind::kBool:
        if (typed == "true" || typed == "false") {
            return {typed == "true", {}};
        }
        return Failed(Quoted(typed) + " is neither true nor false");
    case ValueKind::kDateTime:
        return ParseDateTime(typed);
    default:
        break;
    }
    if (!unicode) {
        return FromBytes(std::string(typed), kind);
    }
    EncodedText encoded = EncodeTypedText(typed, kind);
    if (!encoded.error.empty()) {
        return Failed(Quoted(typed) + ": " + encoded.error);
    }
    return FromBytes(std::move(encoded.bytes), kind);
}

ParsedValue ValueFromInput(const Bytes& input, ValueKind kind, bool utf8) {
    const bool text = kind == ValueKind::kText || kind == ValueKind::kBig5Text;
    if (!text) {
        return {input, {}};
    }
    if (!utf8) {
        return {Text(AsChars(input)), {}};
    }
    EncodedText encoded = EncodeTypedText(AsChars(input), kind);
    if (!encoded.error.empty()) {
        return Failed("standard input: " + encoded.error);
    }
    return {Text(std::move(encoded.bytes)), {}};
}

} // namespace varnel::cli
