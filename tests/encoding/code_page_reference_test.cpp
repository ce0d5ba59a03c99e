// The fast conversion loops (whole words of ASCII, several characters at a time, unchecked
// stretches) against a plain reference that converts one character at a time, on long random
// mixes of good and bad input and into buffers of every size.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "encoding/code_page.h"
#include "encoding/dbcs_codec.h"
#include "encoding/utf8_codec.h"
#include "tests/encoding/code_page_cases.h"
#include "tests/support/hex.h"

namespace varnel::encoding {
namespace {

using test::Describe;

// What each character of the input gives, in order, as the reference sees it.
std::vector<std::u16string> ReferenceDecode(CodePage cp, std::string_view bytes) {
    std::vector<std::u16string> chars;
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t start = i;
        if (cp == CodePage::kUtf8) {
            const char32_t c = p[i] < 0x80 ? p[i++] : detail::DecodeUtf8Char(p, bytes.size(), i);
            if (c == detail::kInvalidUtf8) {
                chars.push_back(u"\uFFFD");
            } else if (c >= 0x10000) {
                chars.push_back({static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)),
                                 static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF))});
            } else {
                chars.push_back(std::u16string(1, static_cast<char16_t>(c)));
            }
            continue;
        }
        const bool pair = p[i] >= 0x81 && p[i] <= 0xFE && i + 1 < bytes.size() && p[i + 1] != 0;
        i += pair ? 2 : 1;
        // A piece this short never reaches the fast paths; the sweeps checked every one.
        chars.push_back(MultiByteToUtf16(cp, bytes.substr(start, i - start)));
    }
    return chars;
}

std::vector<std::string> ReferenceEncode(CodePage cp, std::u16string_view units, char def) {
    std::vector<std::string> chars;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const bool pair = cp == CodePage::kUtf8 && detail::IsHighSurrogate(units[i]) &&
                          i + 1 < units.size() && detail::IsLowSurrogate(units[i + 1]);
        chars.push_back(Utf16ToMultiByte(cp, units.substr(i, pair ? 2 : 1), def));
        i += pair ? 1 : 0;
    }
    return chars;
}

std::string RandomBytes(std::mt19937& random, CodePage cp) {
    static const char* const kDbcsPieces[] = {
        "41",    "0D 0A",       "D6 D0", "CE C4 D6 D0 BA CD CE C4",
        "A1 A4", "81 40",       "81 7E", "A4 0A",
        "81 20", "81 00",       "80",    "FF",
        "00",    "A4 A4 A4 E5", "C6 A1", "F9 F9",
        "FE FE", "A1 40",       "D6",    "B0"}; // lone lead bytes: runs of lead bytes of odd length
    static const char* const kUtf8Pieces[] = {
        "41",          "0D 0A",       "E4 B8 AD",    "E4 B8 AD E6 96 87 E5 AD 97 E7 AC A6",
        "C2 B7",       "DF BF",       "E0 A0 80",    "E0 80 80",
        "ED 9F BF",    "ED A0 80",    "EF BB BF",    "EF BF BD",
        "F0 9F 98 80", "F4 8F BF BF", "F4 90 80 80", "F0 80 80",
        "C0 80",       "80",          "BF",          "FF",
        "00",          "E4 B8",       "E4",          "F0 9F 98",
        "C2"};
    std::string bytes;
    const int count = static_cast<int>(random() % 60);
    for (int k = 0; k < count; ++k) {
        const char* piece = cp == CodePage::kUtf8 ? kUtf8Pieces[random() % std::size(kUtf8Pieces)]
                                                  : kDbcsPieces[random() % std::size(kDbcsPieces)];
        const int repeat = random() % 4 == 0 ? static_cast<int>(random() % 12) : 1;
        for (int r = 0; r < repeat; ++r)
            bytes += test::HexText(piece);
    }
    return bytes;
}

class ReferenceTest : public testing::TestWithParam<CodePage> {};

TEST_P(ReferenceTest, DecodingMatchesOneCharacterAtATime) {
    const CodePage cp = GetParam();
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        const std::string bytes = RandomBytes(random, cp);
        const std::vector<std::u16string> chars = ReferenceDecode(cp, bytes);
        std::u16string expected;
        for (const auto& c : chars)
            expected += c;
        ASSERT_EQ(test::ToHex(MultiByteToUtf16(cp, bytes)), test::ToHex(expected))
            << Describe(cp) << ": " << test::ToHex(bytes);
        ASSERT_EQ(Utf16UnitCount(cp, bytes), expected.size()) << test::ToHex(bytes);

        // Into a buffer of any size: whole characters, as many as fit.
        const std::size_t room = random() % (expected.size() + 2);
        std::u16string fits;
        for (const auto& c : chars) {
            if (fits.size() + c.size() > room)
                break;
            fits += c;
        }
        Bytes out(2 * room, 0xEE);
        ASSERT_EQ(MultiByteToUtf16Le(cp, bytes, out), fits.size()) << test::ToHex(bytes);
        out.resize(2 * fits.size());
        ASSERT_EQ(test::ToHex(out), test::ToHex(test::Utf16Le(fits))) << test::ToHex(bytes);
    }
}

TEST_P(ReferenceTest, EncodingMatchesOneUnitAtATime) {
    const CodePage cp = GetParam();
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        // Units from decoding random bytes of both kinds: CJK, best-fit, unmappable, surrogates.
        std::u16string units =
            MultiByteToUtf16(CodePage::kUtf8, RandomBytes(random, CodePage::kUtf8)) +
            MultiByteToUtf16(CodePage::kGbk, RandomBytes(random, CodePage::kGbk));
        if (random() % 3 == 0)
            units += u"\xD800\x2022\xDC00";
        const char def = random() % 2 ? '?' : '\0';
        const std::vector<std::string> chars = ReferenceEncode(cp, units, def);
        std::string expected;
        for (const auto& c : chars)
            expected += c;
        const Bytes le = test::Utf16Le(units);
        ASSERT_EQ(test::ToHex(Utf16ToMultiByte(cp, units, def)), test::ToHex(expected))
            << Describe(cp) << ": " << test::ToHex(units);
        ASSERT_EQ(MultiByteCount(cp, le), expected.size()) << test::ToHex(units);

        const std::size_t room = random() % (expected.size() + 2);
        std::string fits;
        for (const auto& c : chars) {
            if (fits.size() + c.size() > room)
                break;
            fits += c;
        }
        std::string out(room, '\xEE');
        ASSERT_EQ(Utf16LeToMultiByte(cp, le, out, def), fits.size()) << test::ToHex(units);
        out.resize(fits.size());
        ASSERT_EQ(test::ToHex(out), test::ToHex(fits)) << test::ToHex(units);
    }
}

TEST(DbcsMasks, MarkLeadAndZeroBytes) {
    // The vector and the portable forms (the latter is what 32-bit builds run) against the rule.
    std::mt19937 random(3);
    for (int round = 0; round < 2000; ++round) {
        std::uint8_t block[64];
        const std::uint8_t edges[] = {0x00, 0x7F, 0x80, 0x81, 0xFE, 0xFF};
        for (auto& b : block) {
            b = random() % 2 ? edges[random() % std::size(edges)]
                             : static_cast<std::uint8_t>(random());
        }
        std::uint64_t leads = 0;
        std::uint64_t zeros = 0;
        for (int k = 0; k < 64; ++k) {
            leads |= std::uint64_t{block[k] >= 0x81 && block[k] <= 0xFE} << k;
            zeros |= std::uint64_t{block[k] == 0} << k;
        }
        std::uint64_t l1, z1, l2, z2;
        detail::DbcsMasks(block, l1, z1);
        detail::DbcsMasksPortable(block, l2, z2);
        ASSERT_EQ(l1, leads);
        ASSERT_EQ(z1, zeros);
        ASSERT_EQ(l2, leads);
        ASSERT_EQ(z2, zeros);
    }
}

INSTANTIATE_TEST_SUITE_P(CodePages, ReferenceTest,
                         testing::Values(CodePage::kGbk, CodePage::kBig5, CodePage::kUtf8),
                         test::CodePageName);

} // namespace
} // namespace varnel::encoding
