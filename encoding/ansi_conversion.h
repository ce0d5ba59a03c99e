// UTF-8 and UTF-16LE to GBK with the reason the text ended early, for callers that must tell the
// user what was lost. The text is always the one that EncodingConverter's Utf8ToAnsi and
// UnicodeToAnsi return.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "base/text.h"

namespace varnel::encoding {

enum class AnsiStop {
    kNone,          // every character converted
    kZeroCharacter, // a zero byte (UTF-8) or zero code unit (UTF-16) ended the text
    kNoGbkForm,     // a character without a code page 936 form ended the text
    kMalformed,     // an invalid UTF-8 sequence or a lone surrogate ended the text
};

struct AnsiConversion {
    Text text;
    AnsiStop stop = AnsiStop::kNone;
    // Where the character that ended the text starts in the source, in bytes.
    std::size_t offset = 0;
    // That character: a code point (a surrogate pair as one), U+FFFD for an invalid UTF-8
    // sequence, the unit itself for a lone surrogate, 0 for a zero.
    char32_t character = 0;
};

[[nodiscard]] AnsiConversion Utf8ToAnsiReporting(std::span<const std::uint8_t> utf8);
// An odd last byte takes no part, as in UnicodeToAnsi.
[[nodiscard]] AnsiConversion UnicodeToAnsiReporting(std::span<const std::uint8_t> unicode);

// "U+4E2D", "U+1F600": how messages name a character (at least four uppercase hex digits).
[[nodiscard]] std::string CodePointName(char32_t character);

} // namespace varnel::encoding
