// Decoding and encoding the double-byte code pages 936 and 950 with their generated tables,
// exactly as MultiByteToWideChar / WideCharToMultiByte do with flags 0. Internal.
//
// The loops convert the characters that start before `limit` and return where they stopped, so
// that callers can run long stretches through unchecked writers (see code_page.cpp).
#pragma once

#include <cstddef>
#include <cstdint>

#include "encoding/code_page_tables.h"
#include "encoding/unit_streams.h"

namespace varnel::encoding::detail {

inline constexpr char16_t kDbcsDefaultUnit = u'?';

[[nodiscard]] inline bool IsDbcsLeadByte(std::uint8_t b) {
    return b >= tables::kFirstLeadByte && b <= tables::kLastLeadByte;
}

// Windows reads a lead byte and whatever non-zero byte follows as one character, even where the
// pair is unassigned ("?") and the second byte is a line feed; only a zero byte or the end of the
// input leaves the lead byte alone, as "?". Every character gives exactly one code unit.
// Whether all eight bytes of `word` are lead bytes (81..FE): then, read from a character start,
// they are exactly four double-byte characters, whatever their values.
[[nodiscard]] inline bool AllLeadBytes(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    auto hasZeroByte = [](std::uint64_t v) { return ((v - kOnes) & ~v & kHighs) != 0; };
    return (word & kHighs) == kHighs && !hasZeroByte(word ^ kHighs) && !hasZeroByte(~word);
}

// Number of code units (= characters) in p[0, n).
[[nodiscard]] inline std::size_t CountDbcsUnits(const std::uint8_t* p, std::size_t n) {
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < n) {
        if (p[i] < 0x80) {
            const std::size_t run = AsciiRun(p + i, n - i);
            count += run;
            i += run;
            continue;
        }
        while (i + 8 <= n && AllLeadBytes(Load64(p + i))) {
            count += 4;
            i += 8;
        }
        if (i < n && p[i] >= 0x80) {
            i += IsDbcsLeadByte(p[i]) && i + 1 < n && p[i + 1] != 0 ? 2 : 1;
            ++count;
        }
    }
    return count;
}

template <class Sink>
std::size_t DecodeDbcs(const tables::DbcsTable& table, const std::uint8_t* p, std::size_t n,
                       std::size_t i, std::size_t limit, Sink& sink) {
    while (i < limit) {
        const std::uint8_t b = p[i];
        char16_t unit;
        if (b < 0x80) {
            const std::size_t run = AsciiRun(p + i, limit - i);
            if (!sink.PutAscii(p + i, run)) return i;
            i += run;
            continue;
        }
        if (i + 8 <= limit && AllLeadBytes(Load64(p + i))) {
            const auto& pairs = table.pairs;
            constexpr unsigned kFirst = tables::kFirstLeadByte;
            // Two units per Put; near the end of a checked writer, one character at a time.
            if (sink.Put(pairs[p[i] - kFirst][p[i + 1]], pairs[p[i + 2] - kFirst][p[i + 3]])) {
                i += 4;
                if (sink.Put(pairs[p[i] - kFirst][p[i + 1]], pairs[p[i + 2] - kFirst][p[i + 3]])) {
                    i += 4;
                }
                continue;
            }
        }
        std::size_t length = 1;
        if (!IsDbcsLeadByte(b)) {
            unit = table.singleBytes[b];
        } else if (i + 1 < n && p[i + 1] != 0) {
            unit = table.pairs[b - tables::kFirstLeadByte][p[i + 1]];
            length = 2;
        } else {
            unit = kDbcsDefaultUnit;
        }
        if (!sink.Put(unit)) return i;
        i += length;
    }
    return i;
}

// The bytes of one code unit through `sink`; false when they do not fit. A unit without a form
// (surrogates included, each half of a pair on its own) gives `defaultChar`.
template <class Sink>
bool EncodeDbcsUnit(const tables::DbcsTable& table, char16_t unit, std::uint8_t defaultChar,
                    Sink& sink) {
    if (unit < 0x80) return sink.Put(static_cast<std::uint8_t>(unit));
    const std::uint16_t form = table.Encode(unit);
    if (form == tables::kNoForm) return sink.Put(defaultChar);
    if (form < 0x100) return sink.Put(static_cast<std::uint8_t>(form));
    return sink.Put(static_cast<std::uint8_t>(form >> 8), static_cast<std::uint8_t>(form));
}

// Each code unit gives one or two bytes.
template <class Units, class Sink>
std::size_t EncodeDbcs(const tables::DbcsTable& table, const Units& units, std::size_t i,
                       std::size_t limit, std::uint8_t defaultChar, Sink& sink) {
    for (; i < limit; ++i) {
        if (!EncodeDbcsUnit(table, units[i], defaultChar, sink)) return i;
    }
    return i;
}

} // namespace varnel::encoding::detail
