// Decoding and encoding the double-byte code pages 936 and 950 with their generated tables,
// exactly as MultiByteToWideChar / WideCharToMultiByte do with flags 0. Internal.
//
// The loops convert the characters that start before `limit` and return where they stopped, so
// that callers can run long stretches through unchecked writers (see code_page.cpp).
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "encoding/code_page_tables.h"
#include "encoding/unit_streams.h"

namespace varnel::encoding::detail {

inline constexpr char16_t kDbcsDefaultUnit = u'?';

[[nodiscard]] inline bool IsDbcsLeadByte(std::uint8_t b) {
    return b >= tables::kFirstLeadByte && b <= tables::kLastLeadByte;
}

// Whether all eight bytes of `word` are lead bytes (81..FE): then, read from a character start,
// they are exactly four double-byte characters, whatever their values.
[[nodiscard]] inline bool AllLeadBytes(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    auto hasZeroByte = [](std::uint64_t v) { return ((v - kOnes) & ~v & kHighs) != 0; };
    return (word & kHighs) == kHighs && !hasZeroByte(word ^ kHighs) && !hasZeroByte(~word);
}

[[nodiscard]] inline std::uint64_t ByteMask(std::uint64_t highBits) {
    // Bit 7 of each byte -> bit k for byte k.
    return ((highBits >> 7) * 0x0102040810204080u) >> 56;
}

// Bit k of `leads` set where byte k of p[0, 64) is a lead byte (81..FE), of `zeros` where it is 0.
inline void DbcsMasksPortable(const std::uint8_t* p, std::uint64_t& leads, std::uint64_t& zeros) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Fu;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    // Bit 7 of each byte set where the byte is zero, exactly (no borrows between bytes).
    auto zeroBytes = [](std::uint64_t v) { return ~(((v & kLow7) + kLow7) | v) & kHighs; };
    leads = 0;
    zeros = 0;
    for (int k = 0; k < 8; ++k) {
        const std::uint64_t w = Load64(p + 8 * k);
        const std::uint64_t lead = w & kHighs & ~zeroBytes(w ^ kHighs) & ~zeroBytes(~w);
        leads |= ByteMask(lead) << (8 * k);
        zeros |= ByteMask(zeroBytes(w)) << (8 * k);
    }
}

inline void DbcsMasks(const std::uint8_t* p, std::uint64_t& leads, std::uint64_t& zeros) {
#if defined(__SSE2__)
    leads = 0;
    zeros = 0;
    const __m128i zero = _mm_setzero_si128();
    const __m128i minLead = _mm_set1_epi8(static_cast<char>(0x80)); // as signed: 81..FE are
    const __m128i maxLead = _mm_set1_epi8(static_cast<char>(0xFF)); // above 80, below FF
    for (int k = 0; k < 4; ++k) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
        const __m128i lead = _mm_and_si128(_mm_cmpgt_epi8(v, minLead), _mm_cmplt_epi8(v, maxLead));
        leads |= static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(lead)))
                 << (16 * k);
        zeros |= static_cast<std::uint64_t>(
                     static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, zero))))
                 << (16 * k);
    }
#else
    DbcsMasksPortable(p, leads, zeros);
#endif
}

// Number of code units (= characters) in p[0, n): n less one for every pair.
//
// Pairs follow from the runs of lead bytes alone: a run starts at a character boundary (after an
// ASCII byte, 80, FF, zero, or the trail that ended the run before), so a run of length L holds
// L / 2 pairs, and an odd run's last lead byte pairs with the byte after the run unless that is
// zero or missing. The runs are found 64 bytes at a time with bit masks: odd-length runs by the
// carries of adding their start bits (the well-known trick for runs of escape characters).
[[nodiscard]] inline std::size_t CountDbcsUnits(const std::uint8_t* p, std::size_t n) {
    constexpr std::uint64_t kEvenBits = 0x5555555555555555u;
    std::size_t leadBytes = 0;
    std::size_t oddRuns = 0;
    std::size_t oddRunsPaired = 0;
    std::uint64_t carriedOdd = 0; // the block before ended inside a run of odd length so far
    for (std::size_t i = 0; i < n; i += 64) {
        std::uint64_t m;
        std::uint64_t zeros;
        if (i + 64 <= n) {
            DbcsMasks(p + i, m, zeros);
        } else {
            // The last bytes, padded with zeros: they end a run as the end of the input does.
            std::uint8_t block[64] = {};
            std::memcpy(block, p + i, n - i);
            DbcsMasks(block, m, zeros);
        }
        const std::uint64_t starts = m & ~(m << 1);
        const std::uint64_t evenStartMask = kEvenBits ^ carriedOdd;
        const std::uint64_t evenStarts = starts & evenStartMask;
        const std::uint64_t oddStarts = starts & ~evenStartMask;
        const std::uint64_t evenCarries = m + evenStarts;
        std::uint64_t oddCarries = m + oddStarts;
        const std::uint64_t overflow = oddCarries < m ? 1 : 0;
        oddCarries |= carriedOdd;
        // The byte just after each run of odd length.
        const std::uint64_t oddEnds =
            (evenCarries & ~m & ~kEvenBits) | (oddCarries & ~m & kEvenBits);
        leadBytes += static_cast<std::size_t>(std::popcount(m));
        oddRuns += static_cast<std::size_t>(std::popcount(oddEnds));
        oddRunsPaired += static_cast<std::size_t>(std::popcount(oddEnds & ~zeros));
        carriedOdd = overflow;
    }
    oddRuns += static_cast<std::size_t>(carriedOdd); // an odd run that reaches the very end
    return n - ((leadBytes - oddRuns) / 2 + oddRunsPaired);
}

// Windows reads a lead byte and whatever non-zero byte follows as one character, even where the
// pair is unassigned ("?") and the second byte is a line feed; only a zero byte or the end of the
// input leaves the lead byte alone, as "?". Every character gives exactly one code unit.
template <class Sink>
std::size_t DecodeDbcs(const tables::DbcsTable& table, const std::uint8_t* p, std::size_t n,
                       std::size_t i, std::size_t limit, Sink& sink) {
    while (i < limit) {
        const std::uint8_t b = p[i];
        char16_t unit;
        if (b < 0x80) {
            if (!PutAsciiRun(p, i, limit, sink))
                return i;
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
        if (!sink.Put(unit))
            return i;
        i += length;
    }
    return i;
}

// The bytes of one code unit through `sink`; false when they do not fit. A unit without a form
// (surrogates included, each half of a pair on its own) gives `defaultChar`.
template <class Sink>
bool EncodeDbcsUnit(const tables::DbcsTable& table, char16_t unit, std::uint8_t defaultChar,
                    Sink& sink) {
    if (unit < 0x80)
        return sink.Put(static_cast<std::uint8_t>(unit));
    const std::uint16_t form = table.Encode(unit);
    if (form == tables::kNoForm)
        return sink.Put(defaultChar);
    if (form < 0x100)
        return sink.Put(static_cast<std::uint8_t>(form));
    return sink.Put(static_cast<std::uint8_t>(form >> 8), static_cast<std::uint8_t>(form));
}

// Each code unit gives one or two bytes.
template <class Units, class Sink>
std::size_t EncodeDbcs(const tables::DbcsTable& table, const Units& units, std::size_t i,
                       std::size_t limit, std::uint8_t defaultChar, Sink& sink) {
    for (; i < limit; ++i) {
        if (!EncodeDbcsUnit(table, units[i], defaultChar, sink))
            return i;
    }
    return i;
}

} // namespace varnel::encoding::detail
