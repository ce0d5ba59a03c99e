// Dispatch of the code-page conversions to the table-driven double-byte codec and the UTF-8 codec.
//
// Converting into a buffer of known size: long stretches go through unchecked writers, each
// stretch short enough that its output is sure to fit (every codec has a bound of output per
// input), and only the last few characters through checked ones. Sizing has its own loops.
#include "encoding/code_page.h"

#include <algorithm>
#include <array>

#include "encoding/dbcs_codec.h"
#include "encoding/unit_streams.h"
#include "encoding/utf8_codec.h"

namespace varnel::encoding {
namespace {

using detail::ByteWriterOf;
using detail::UnitCounter;
using detail::UnitWriter;
using detail::Utf16LeUnits;
using detail::Utf16Units;

const tables::DbcsTable& DbcsTableOf(CodePage cp) {
    return cp == CodePage::kBig5 ? tables::kCp950 : tables::kCp936;
}

const std::uint8_t* BytesOf(std::string_view bytes) {
    return reinterpret_cast<const std::uint8_t*>(bytes.data());
}

// Bit u set where code unit u has a two-byte form: sizing then needs no walk through the pages.
using TwoByteBits = std::array<std::uint64_t, 0x10000 / 64>;

TwoByteBits MakeTwoByteBits(const tables::DbcsTable& table) {
    TwoByteBits bits{};
    for (unsigned u = 0x80; u <= 0xFFFF; ++u) {
        const std::uint16_t form = table.Encode(static_cast<char16_t>(u));
        if (form != tables::kNoForm && form >= 0x100)
            bits[u / 64] |= std::uint64_t{1} << (u % 64);
    }
    return bits;
}

const TwoByteBits& TwoByteBitsOf(CodePage cp) {
    static const TwoByteBits gbk = MakeTwoByteBits(tables::kCp936);
    static const TwoByteBits big5 = MakeTwoByteBits(tables::kCp950);
    return cp == CodePage::kBig5 ? big5 : gbk;
}

// Decoding gives at most one code unit per byte, plus (UTF-8) up to three for the bytes that the
// last character of a stretch takes beyond it.
template <class Unit, class Sink> struct DecodeFn {
    CodePage cp;
    const std::uint8_t* p;
    std::size_t n;
    std::size_t operator()(std::size_t i, std::size_t limit, Sink& sink) const {
        return cp == CodePage::kUtf8 ? detail::DecodeUtf8(p, n, i, limit, sink)
                                     : detail::DecodeDbcs(DbcsTableOf(cp), p, n, i, limit, sink);
    }
};

template <class Unit>
std::size_t DecodeInto(CodePage cp, std::string_view in, Unit* out, std::size_t room) {
    using Raw = UnitWriter<Unit, false>;
    using Checked = UnitWriter<Unit, true>;
    constexpr std::size_t kStep = Raw::kStep;
    const std::size_t slack = cp == CodePage::kUtf8 ? 3 : 0;
    const std::size_t n = in.size();
    std::size_t i = 0;
    std::size_t written = 0;
    while (i < n && room - written > slack) {
        const std::size_t safe = room - written - slack;
        Raw raw(out + kStep * written, room - written);
        i = DecodeFn<Unit, Raw>{cp, BytesOf(in), n}(i, i + std::min(n - i, safe), raw);
        written += raw.Count();
    }
    Checked checked(out + kStep * written, room - written);
    DecodeFn<Unit, Checked>{cp, BytesOf(in), n}(i, n, checked);
    return written + checked.Count();
}

template <class Units, class Sink>
std::size_t EncodeStretch(CodePage cp, const Units& units, std::size_t i, std::size_t limit,
                          char defaultChar, Sink& sink) {
    if (cp == CodePage::kUtf8)
        return detail::EncodeUtf8(units, i, limit, sink);
    return detail::EncodeDbcs(DbcsTableOf(cp), units, i, limit,
                              static_cast<std::uint8_t>(defaultChar), sink);
}

// Encoding gives at most two bytes per code unit (936, 950) or three (UTF-8, plus one for a
// surrogate pair that the stretch cuts).
template <class Units>
std::size_t EncodeInto(CodePage cp, const Units& units, char* out, std::size_t room,
                       char defaultChar) {
    const std::size_t perUnit = cp == CodePage::kUtf8 ? 3 : 2;
    const std::size_t slack = cp == CodePage::kUtf8 ? 1 : 0;
    const std::size_t n = units.size();
    std::size_t i = 0;
    std::size_t written = 0;
    while (i < n && room - written >= slack + perUnit) {
        const std::size_t safe = (room - written - slack) / perUnit;
        ByteWriterOf<false> raw(out + written, room - written);
        i = EncodeStretch(cp, units, i, i + std::min(n - i, safe), defaultChar, raw);
        written += raw.Count();
    }
    ByteWriterOf<true> checked(out + written, room - written);
    EncodeStretch(cp, units, i, n, defaultChar, checked);
    return written + checked.Count();
}

template <class Units> std::size_t CountBytes(CodePage cp, const Units& units) {
    const std::size_t n = units.size();
    std::size_t count = 0;
    if (cp != CodePage::kUtf8) {
        const TwoByteBits& bits = TwoByteBitsOf(cp);
        for (std::size_t i = 0; i < n; ++i) {
            const char16_t u = units[i];
            count += 1 + static_cast<std::size_t>(bits[u / 64] >> (u % 64) & 1);
        }
        return count;
    }
    // One, two or three bytes by value; a surrogate pair then takes 4 instead of 3 + 3. In blocks
    // with 32-bit sums, which the compiler turns into vector code.
    bool surrogates = false;
    constexpr std::size_t kBlock = 1 << 20;
    for (std::size_t begin = 0; begin < n; begin += kBlock) {
        const std::size_t end = std::min(n, begin + kBlock);
        std::uint32_t blockCount = 0;
        std::uint32_t blockSurrogates = 0;
        for (std::size_t i = begin; i < end; ++i) {
            const std::uint16_t u = units[i];
            blockCount += 1u + (u >= 0x80) + (u >= 0x800);
            blockSurrogates |= static_cast<std::uint16_t>(u - 0xD800) < 0x800;
        }
        count += blockCount;
        surrogates |= blockSurrogates != 0;
    }
    if (surrogates) {
        for (std::size_t i = 0; i + 1 < n; ++i) {
            if (detail::IsHighSurrogate(units[i]) && detail::IsLowSurrogate(units[i + 1])) {
                count -= 2;
                ++i;
            }
        }
    }
    return count;
}

std::size_t CountUnits(CodePage cp, std::string_view bytes) {
    if (cp != CodePage::kUtf8)
        return detail::CountDbcsUnits(BytesOf(bytes), bytes.size());
    UnitCounter counter;
    DecodeFn<char16_t, UnitCounter>{cp, BytesOf(bytes), bytes.size()}(0, bytes.size(), counter);
    return counter.Count();
}

} // namespace

std::size_t Utf16UnitCount(CodePage cp, std::string_view bytes) {
    return CountUnits(cp, bytes);
}

std::size_t MultiByteToUtf16Le(CodePage cp, std::string_view bytes, std::span<std::uint8_t> out) {
    return DecodeInto(cp, bytes, out.data(), out.size() / 2);
}

std::size_t MultiByteCount(CodePage cp, std::span<const std::uint8_t> utf16le) {
    return CountBytes(cp, Utf16LeUnits(utf16le));
}

std::size_t Utf16LeToMultiByte(CodePage cp, std::span<const std::uint8_t> utf16le,
                               std::span<char> out, char defaultChar) {
    return EncodeInto(cp, Utf16LeUnits(utf16le), out.data(), out.size(), defaultChar);
}

std::u16string MultiByteToUtf16(CodePage cp, std::string_view bytes) {
    std::u16string result(CountUnits(cp, bytes), u'\0');
    DecodeInto(cp, bytes, result.data(), result.size());
    return result;
}

std::string Utf16ToMultiByte(CodePage cp, std::u16string_view units, char defaultChar) {
    std::string result(CountBytes(cp, Utf16Units(units)), '\0');
    EncodeInto(cp, Utf16Units(units), result.data(), result.size(), defaultChar);
    return result;
}

std::string Recode(CodePage from, CodePage to, std::string_view bytes, char defaultChar) {
    return Utf16ToMultiByte(to, MultiByteToUtf16(from, bytes), defaultChar);
}

} // namespace varnel::encoding
