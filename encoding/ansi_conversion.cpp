// One character at a time through the same decoders and table as the converter, so the text is
// the converter's own: code page 936 has no zero trail byte, so the first zero in the converter's
// output is always a zero character or the zero default byte of a character without a form.
#include "encoding/ansi_conversion.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <utility>

#include "encoding/code_page_tables.h"
#include "encoding/unit_streams.h"
#include "encoding/utf8_codec.h"

namespace varnel::encoding {
namespace {

using detail::IsHighSurrogate;
using detail::IsLowSurrogate;
using detail::IsSurrogate;

// Writes GBK into a buffer sized up front: no character ever needs more GBK bytes than it takes
// in the source (UTF-8: one byte for one, at most two for two or three; UTF-16: at most two for
// a two-byte unit), so the source's length bounds the text.
//
// Code units are looked up in a flat copy of the encode table: one load instead of the two
// dependent ones of the paged table, which is what a CJK-heavy text waits on.
using FlatTable = std::array<std::uint16_t, 0x10000>;

const FlatTable& FlatGbkTable() {
    static const FlatTable flat = [] {
        FlatTable table{};
        for (unsigned u = 0; u < 0x10000; ++u)
            table[u] = tables::kCp936.Encode(static_cast<char16_t>(u));
        return table;
    }();
    return flat;
}

class GbkOut {
public:
    explicit GbkOut(std::size_t bound)
        : text_(bound, '\0'), next_(text_.data()), table_(FlatGbkTable().data()) {}

    void PutAscii(const std::uint8_t* p, std::size_t n) {
        std::memcpy(next_, p, n);
        next_ += n;
    }
    void PutAscii(std::uint8_t b) { *next_++ = static_cast<char>(b); }

    // The GBK form of a BMP character that is not a surrogate; false when it has none.
    bool Put(char16_t unit) {
        const std::uint16_t form = table_[unit];
        if (form == tables::kNoForm)
            return false;
        if (form >= 0x100)
            *next_++ = static_cast<char>(form >> 8);
        *next_++ = static_cast<char>(form & 0xFF);
        return true;
    }

    AnsiConversion Finish(AnsiStop stop = AnsiStop::kNone, std::size_t offset = 0,
                          char32_t character = 0) {
        text_.resize(static_cast<std::size_t>(next_ - text_.data()));
        AnsiConversion result;
        result.text = std::move(text_);
        result.stop = stop;
        result.offset = offset;
        result.character = character;
        return result;
    }

private:
    Text text_;
    char* next_;
    const std::uint16_t* table_;
};

constexpr std::uint64_t kHighBits = 0x8080808080808080u;
constexpr std::uint64_t kLowBits = 0x0101010101010101u;

// True when none of the eight bytes is 0x80 or above or zero.
bool IsPlainAscii(std::uint64_t w) {
    return ((w | ((w - kLowBits) & ~w)) & kHighBits) == 0;
}

} // namespace

AnsiConversion Utf8ToAnsiReporting(std::span<const std::uint8_t> utf8) {
    const std::uint8_t* p = utf8.data();
    const std::size_t n = utf8.size();
    GbkOut out(n);
    std::size_t i = 0;
    while (i < n) {
        // Runs of ASCII eight bytes at a time (a zero byte ends the run: it ends the text).
        while (i + 8 <= n) {
            std::uint64_t w;
            std::memcpy(&w, p + i, 8);
            if (!IsPlainAscii(w))
                break;
            out.PutAscii(p + i, 8);
            i += 8;
        }
        if (i >= n)
            break;
        const std::size_t start = i;
        const std::uint8_t b = p[i];
        if (b < 0x80) {
            if (b == 0)
                return out.Finish(AnsiStop::kZeroCharacter, start, 0);
            out.PutAscii(b);
            ++i;
            continue;
        }
        // Common three-byte characters (CJK among them), two at once where they come in a row.
        if (b >= 0xE1 && i + 8 <= n) {
            const std::uint64_t w = detail::Load64(p + i);
            if (detail::IsCommonThreeBytePair(w)) {
                const char16_t first = detail::ThreeByteUnit(w, 0);
                const char16_t second = detail::ThreeByteUnit(w, 3);
                if (!out.Put(first))
                    return out.Finish(AnsiStop::kNoGbkForm, start, first);
                if (!out.Put(second))
                    return out.Finish(AnsiStop::kNoGbkForm, start + 3, second);
                i += 6;
                continue;
            }
        }
        if (detail::IsCommonThreeByte(p, n, i)) {
            const char16_t unit = detail::ThreeByteUnit(p + i);
            if (!out.Put(unit))
                return out.Finish(AnsiStop::kNoGbkForm, start, unit);
            i += 3;
            continue;
        }
        const char32_t c = detail::DecodeUtf8Char(p, n, i);
        if (c == detail::kInvalidUtf8) {
            // U+FFFD, which is what Windows makes of it, has no GBK form either.
            return out.Finish(AnsiStop::kMalformed, start, detail::kReplacementUnit);
        }
        // Outside the BMP: each half of the surrogate pair lacks a form.
        if (c >= 0x10000 || !out.Put(static_cast<char16_t>(c)))
            return out.Finish(AnsiStop::kNoGbkForm, start, c);
    }
    return out.Finish();
}

AnsiConversion UnicodeToAnsiReporting(std::span<const std::uint8_t> unicode) {
    const detail::Utf16LeUnits units(unicode);
    GbkOut out(2 * units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (unit < 0x80 && unit != 0) {
            out.PutAscii(static_cast<std::uint8_t>(unit));
            continue;
        }
        if (unit == 0)
            return out.Finish(AnsiStop::kZeroCharacter, 2 * i, 0);
        if (IsSurrogate(unit)) {
            if (IsHighSurrogate(unit) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
                const char32_t c = 0x10000 + ((unit - 0xD800u) << 10) + (units[i + 1] - 0xDC00u);
                return out.Finish(AnsiStop::kNoGbkForm, 2 * i, c);
            }
            return out.Finish(AnsiStop::kMalformed, 2 * i, unit);
        }
        if (!out.Put(unit))
            return out.Finish(AnsiStop::kNoGbkForm, 2 * i, unit);
    }
    return out.Finish();
}

std::string CodePointName(char32_t character) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(character));
    return name;
}

} // namespace varnel::encoding
