// The table holds only pairs of double-byte GBK characters, so mapping keeps every byte offset.
#include "encoding/chinese_script.h"

#include <algorithm>
#include <cstdint>

#include "encoding/chinese_script_table.h"
#include "encoding/dbcs_codec.h"

namespace varnel::encoding {
namespace {

using tables::ScriptPair;

std::span<const ScriptPair> TableFor(ChineseScript target) {
    return target == ChineseScript::kTraditional
               ? std::span(tables::kSimplifiedToTraditional, tables::kSimplifiedToTraditionalCount)
               : std::span(tables::kTraditionalToSimplified, tables::kTraditionalToSimplifiedCount);
}

} // namespace

bool MapChineseScript(std::string_view gbk, ChineseScript target, std::span<char> out) {
    if (out.size() != gbk.size())
        return false;
    const std::span<const ScriptPair> table = TableFor(target);
    const std::size_t n = gbk.size();
    std::size_t i = 0;
    while (i < n) {
        const auto lead = static_cast<std::uint8_t>(gbk[i]);
        if (!detail::IsDbcsLeadByte(lead) || i + 1 == n) {
            out[i] = gbk[i];
            ++i;
            continue;
        }
        const auto code =
            static_cast<std::uint16_t>(lead << 8 | static_cast<std::uint8_t>(gbk[i + 1]));
        const auto it = std::lower_bound(
            table.begin(), table.end(), code,
            [](const ScriptPair& pair, std::uint16_t key) { return pair.from < key; });
        const std::uint16_t mapped = it != table.end() && it->from == code ? it->to : code;
        out[i] = static_cast<char>(mapped >> 8);
        out[i + 1] = static_cast<char>(mapped & 0xFF);
        i += 2;
    }
    return true;
}

Text MapChineseScript(std::string_view gbk, ChineseScript target) {
    Text out(gbk.size(), ' ');
    [[maybe_unused]] const bool sized = MapChineseScript(gbk, target, out); // same size: always
    return out;
}

} // namespace varnel::encoding
