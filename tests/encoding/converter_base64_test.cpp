#include <gtest/gtest.h>

#include <random>

#include "encoding/encoding_converter.h"
#include "tests/support/hex.h"

namespace varnel::encoding {
namespace {

using test::Hex;
using test::ToHex;

const EncodingConverter kConverter;

TEST(Base64, EncodePadsToGroupsOfFour) {
    EXPECT_EQ(kConverter.Base64Encode(BytesOf("Man")), "TWFu");
    EXPECT_EQ(kConverter.Base64Encode(BytesOf("Ma")), "TWE=");
    EXPECT_EQ(kConverter.Base64Encode(BytesOf("M")), "TQ==");
    EXPECT_EQ(kConverter.Base64Encode(Hex("00")), "AA==");
    EXPECT_EQ(kConverter.Base64Encode(Hex("FB FF BF")), "+/+/");
    EXPECT_EQ(kConverter.Base64Encode({}), "");
    // No line breaks, however long.
    EXPECT_EQ(kConverter.Base64Encode(Bytes(3000, 0xFF)), Text(4000, '/'));
}

TEST(Base64, DecodeKeepsFloorOfThreeQuartersLessThePadding) {
    struct Case {
        std::string source;
        std::string decoded; // hex
    };
    const Case cases[] = {
        {"TWFu", "4D 61 6E"},
        {"TWE=", "4D 61"},
        {"TQ==", "4D"},
        {"==", ""},
        {"=", ""},
        {"A", ""},
        {"TWFuTQ", "4D 61 6E 00"},  // incomplete last group: zero bytes
        {"TWFuTQ=", "4D 61 6E 00"}, // 5 bytes, less one for "="
        {"TW\nFu", "4D 60 05"},     // a line break is the value 0 and shifts the grouping
        {"T W ", "4C 05 80"},
        {std::string("TW\0u", 4), "4D 60 2E"}, // a zero byte counts as the value 0
        {"+/+/", "FB FF BF"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToHex(kConverter.Base64Decode(BytesOf(c.source))), c.decoded) << c.source;
    }
}

TEST(Base64, DecodeOfEncodeGivesTheBytesBack) {
    std::mt19937 random(11);
    for (std::size_t size = 0; size < 100; ++size) {
        Bytes bytes(size);
        for (auto& b : bytes) {
            b = static_cast<std::uint8_t>(random());
        }
        const Text encoded = kConverter.Base64Encode(bytes);
        EXPECT_EQ(encoded.size(), (size + 2) / 3 * 4);
        EXPECT_EQ(kConverter.Base64Decode(BytesOf(encoded)), bytes) << encoded;
    }
}

} // namespace
} // namespace varnel::encoding
