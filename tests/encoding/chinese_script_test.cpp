#include "encoding/chinese_script.h"

#include <gtest/gtest.h>

#include "encoding/code_page.h"

namespace varnel::encoding {
namespace {

// Every double-byte GBK character, in code order.
Text AllGbkCharacters() {
    Text all;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            if (MultiByteToUtf16(CodePage::kGbk, pair) != u"?")
                all += pair;
        }
    }
    return all;
}

TEST(ChineseScript, MapsRealCharactersToRealCharacters) {
    const Text all = AllGbkCharacters();
    for (const auto target : {ChineseScript::kTraditional, ChineseScript::kSimplified}) {
        const Text mapped = MapChineseScript(all, target);
        ASSERT_EQ(mapped.size(), all.size());
        int changed = 0;
        for (std::size_t i = 0; i < all.size(); i += 2) {
            if (mapped.compare(i, 2, all, i, 2) == 0)
                continue;
            ++changed;
            EXPECT_NE(MultiByteToUtf16(CodePage::kGbk, mapped.substr(i, 2)), u"?");
        }
        // The sizes of the generated tables: OpenCC's pairs where both sides are GBK.
        EXPECT_EQ(changed, target == ChineseScript::kTraditional ? 2623 : 2848);
    }
}

TEST(ChineseScript, RefusesAnOutputOfAnotherSize) {
    std::string out(3, ' ');
    EXPECT_FALSE(MapChineseScript("ab", ChineseScript::kTraditional, out));
    EXPECT_EQ(out, "   ");
}

} // namespace
} // namespace varnel::encoding
