// A file's bytes as the text that the engine works on, by the encoding chosen for reading. The
// text must hold the whole content: where it cannot, nothing is made of the rest and the caller
// is told what stopped it and where, so that no file is ever rewritten shortened.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/text.h"
#include "encoding/ansi_conversion.h"

namespace varnel::app {

enum class FileEncoding {
    kAnsi,    // code page 936 bytes, taken as they are
    kUtf8,    // converted to code page 936
    kUnicode, // UTF-16 little-endian, converted to code page 936
};

// The choice of the window's drop-down list: 1 UTF-8, 2 "Unicode", anything else (0, or -1 for
// no selection) ANSI.
[[nodiscard]] FileEncoding FileEncodingFromIndex(int index);

// Why the content cannot become a text whole, and where in the bytes as read.
struct ContentProblem {
    encoding::AnsiStop kind = encoding::AnsiStop::kZeroCharacter;
    std::uint64_t offset = 0; // of the character, counted from the file's first byte
    char32_t character = 0;   // as in AnsiConversion
};

// In English for the command line: "U+1F600 at byte 12 has no GBK form".
[[nodiscard]] std::string DescribeContentProblem(const ContentProblem& problem);

class WorkingText {
public:
    // ANSI bytes are used in place: `bytes` must outlive the result. A byte-order mark at the
    // very start (EF BB BF for UTF-8, FF FE for "Unicode") marks the encoding and is not text: it
    // is left out. The ANSI reading keeps every byte.
    [[nodiscard]] static WorkingText Make(std::span<const std::uint8_t> bytes,
                                          FileEncoding encoding);

    // Empty when there is a problem.
    [[nodiscard]] std::string_view text() const { return converted_ ? *converted_ : inPlace_; }
    [[nodiscard]] const std::optional<ContentProblem>& problem() const { return problem_; }

private:
    std::string_view inPlace_;
    std::optional<Text> converted_;
    std::optional<ContentProblem> problem_;
};

} // namespace varnel::app
