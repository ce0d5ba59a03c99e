// Windows' own tables for the double-byte code pages 936 (GBK) and 950 (BIG5), generated from the
// NLS files into tables/ by tools/regenerate_tables.sh. Internal to the encoding module.
#pragma once

#include <cstdint>

namespace varnel::encoding::tables {

inline constexpr unsigned kFirstLeadByte = 0x81;
inline constexpr unsigned kLastLeadByte = 0xFE;
inline constexpr std::uint16_t kNoForm = 0xFFFF;

struct DbcsTable {
    std::uint16_t codePage;
    // The code unit of every byte that does not start a double-byte character; 0 for lead bytes.
    char16_t singleBytes[256];
    // [lead - kFirstLeadByte][trail]; U+003F "?" where the pair is unassigned.
    char16_t pairs[kLastLeadByte - kFirstLeadByte + 1][256];
    // The page of encodePages that holds the code units whose high byte is the index.
    std::uint8_t encodeIndex[256];
    // The form of a code unit: a single byte (below 0x100), lead << 8 | trail, or kNoForm. Best-fit
    // forms are included, as Windows writes them.
    const std::uint16_t (*encodePages)[256];

    [[nodiscard]] std::uint16_t Encode(char16_t unit) const {
        return encodePages[encodeIndex[unit >> 8]][unit & 0xFF];
    }
};

extern const DbcsTable kCp936;
extern const DbcsTable kCp950;

} // namespace varnel::encoding::tables
