// One character at a time through the same decoders and table as the converter, so the text is
// the converter's own: code page 936 has no zero trail byte, so the first zero in the converter's
// output is always a zero character or the zero default byte of a character without a form.
#include "encoding/ansi_conversion.h"

#include <utility>

#include "encoding/code_page_tables.h"
#include "encoding/unit_streams.h"
#include "encoding/utf8_codec.h"

namespace varnel::encoding {
namespace {

using detail::IsHighSurrogate;
using detail::IsLowSurrogate;
using detail::IsSurrogate;

AnsiConversion Stop(AnsiConversion&& result, AnsiStop stop, std::size_t offset, char32_t c) {
    result.stop = stop;
    result.offset = offset;
    result.character = c;
    return std::move(result);
}

// Appends the GBK form of a BMP character that is not a surrogate; false when it has none.
bool AppendGbk(Text& text, char16_t unit) {
    if (unit < 0x80) {
        text += static_cast<char>(unit);
        return true;
    }
    const std::uint16_t form = tables::kCp936.Encode(unit);
    if (form == tables::kNoForm)
        return false;
    if (form >= 0x100)
        text += static_cast<char>(form >> 8);
    text += static_cast<char>(form & 0xFF);
    return true;
}

} // namespace

AnsiConversion Utf8ToAnsiReporting(std::span<const std::uint8_t> utf8) {
    AnsiConversion result;
    result.text.reserve(utf8.size());
    const std::uint8_t* p = utf8.data();
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n) {
        const std::size_t start = i;
        const char32_t c = p[i] < 0x80 ? p[i++] : detail::DecodeUtf8Char(p, n, i);
        if (c == 0)
            return Stop(std::move(result), AnsiStop::kZeroCharacter, start, 0);
        if (c == detail::kInvalidUtf8) {
            // U+FFFD, which is what Windows makes of it, has no GBK form either.
            return Stop(std::move(result), AnsiStop::kMalformed, start, detail::kReplacementUnit);
        }
        // Outside the BMP: each half of the surrogate pair lacks a form.
        if (c >= 0x10000 || !AppendGbk(result.text, static_cast<char16_t>(c))) {
            return Stop(std::move(result), AnsiStop::kNoGbkForm, start, c);
        }
    }
    return result;
}

AnsiConversion UnicodeToAnsiReporting(std::span<const std::uint8_t> unicode) {
    AnsiConversion result;
    const detail::Utf16LeUnits units(unicode);
    result.text.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (unit == 0)
            return Stop(std::move(result), AnsiStop::kZeroCharacter, 2 * i, 0);
        if (IsSurrogate(unit)) {
            if (IsHighSurrogate(unit) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
                const char32_t c = 0x10000 + ((unit - 0xD800u) << 10) + (units[i + 1] - 0xDC00u);
                return Stop(std::move(result), AnsiStop::kNoGbkForm, 2 * i, c);
            }
            return Stop(std::move(result), AnsiStop::kMalformed, 2 * i, unit);
        }
        if (!AppendGbk(result.text, unit)) {
            return Stop(std::move(result), AnsiStop::kNoGbkForm, 2 * i, unit);
        }
    }
    return result;
}

} // namespace varnel::encoding
