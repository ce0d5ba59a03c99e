// Decoding and encoding the double-byte code pages 936 and 950 with their generated tables,
// exactly as MultiByteToWideChar / WideCharToMultiByte do with flags 0. Internal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "encoding/code_page_tables.h"

namespace varnel::encoding::detail {

inline constexpr char16_t kDbcsDefaultUnit = u'?';

[[nodiscard]] inline bool IsDbcsLeadByte(std::uint8_t b) {
    return b >= tables::kFirstLeadByte && b <= tables::kLastLeadByte;
}

// Windows reads a lead byte and whatever non-zero byte follows as one character, even where the
// pair is unassigned ("?") and the second byte is a line feed; only a zero byte or the end of the
// input leaves the lead byte alone, as "?".
template <class Sink>
void DecodeDbcs(const tables::DbcsTable& table, std::string_view in, Sink& sink) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(in.data());
    const std::size_t n = in.size();
    std::size_t i = 0;
    while (i < n) {
        const std::uint8_t b = p[i];
        char16_t unit;
        if (b < 0x80) {
            unit = b;
            ++i;
        } else if (!IsDbcsLeadByte(b)) {
            unit = table.singleBytes[b];
            ++i;
        } else if (i + 1 < n && p[i + 1] != 0) {
            unit = table.pairs[b - tables::kFirstLeadByte][p[i + 1]];
            i += 2;
        } else {
            unit = kDbcsDefaultUnit;
            ++i;
        }
        if (!sink.Put(unit))
            return;
    }
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

template <class Units, class Sink>
void EncodeDbcs(const tables::DbcsTable& table, const Units& units, std::uint8_t defaultChar,
                Sink& sink) {
    const std::size_t n = units.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (!EncodeDbcsUnit(table, units[i], defaultChar, sink))
            return;
    }
}

} // namespace varnel::encoding::detail
