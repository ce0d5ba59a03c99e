// Simplified <-> traditional Chinese, one double-byte GBK character for another, generated into
// tables/ by tools/regenerate_tables.sh. Internal to the encoding module.
#pragma once

#include <cstddef>
#include <cstdint>

namespace varnel::encoding::tables {

// GBK codes as lead << 8 | trail; each table is sorted by `from`.
struct ScriptPair {
    std::uint16_t from;
    std::uint16_t to;
};

extern const ScriptPair kSimplifiedToTraditional[];
extern const std::size_t kSimplifiedToTraditionalCount;
extern const ScriptPair kTraditionalToSimplified[];
extern const std::size_t kTraditionalToSimplifiedCount;

} // namespace varnel::encoding::tables
