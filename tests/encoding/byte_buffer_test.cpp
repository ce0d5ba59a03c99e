#include "encoding/byte_buffer.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "tests/support/hex.h"

namespace varnel::encoding {
namespace {

using test::Hex;
using test::ToHex;

TEST(ByteBuffer, CountsBelowOneGiveEmptyResults) {
    EXPECT_EQ(ByteCount(Hex("01 00 02")), 3u);
    EXPECT_EQ(ByteCount({}), 0u);
    EXPECT_EQ(ToHex(ZeroBytes(3)), "00 00 00");
    EXPECT_EQ(SpaceText(2), "  ");
    for (const std::int64_t n : {std::int64_t{0}, std::int64_t{-1}, INT64_MIN}) {
        EXPECT_TRUE(ZeroBytes(n).empty());
        EXPECT_TRUE(SpaceText(n).empty());
        EXPECT_TRUE(LeftBytes(Hex("01 02"), n).empty());
        EXPECT_TRUE(RightBytes(Hex("01 02"), n).empty());
    }
}

TEST(ByteBuffer, LeftAndRightTakeAtMostTheWholeBuffer) {
    const Bytes bytes = Hex("01 02 03");
    EXPECT_EQ(ToHex(LeftBytes(bytes, 2)), "01 02");
    EXPECT_EQ(ToHex(RightBytes(bytes, 2)), "02 03");
    EXPECT_EQ(ToHex(LeftBytes(bytes, 9)), "01 02 03");
    EXPECT_EQ(ToHex(RightBytes(bytes, INT64_MAX)), "01 02 03");
    EXPECT_TRUE(LeftBytes({}, 2).empty());
    EXPECT_TRUE(RightBytes({}, 2).empty());
}

} // namespace
} // namespace varnel::encoding
