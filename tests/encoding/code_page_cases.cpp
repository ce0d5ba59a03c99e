#include "tests/encoding/code_page_cases.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>

namespace varnel::test {

using encoding::CodePage;

namespace {

constexpr CodePage kGbk = CodePage::kGbk;
constexpr CodePage kBig5 = CodePage::kBig5;
constexpr CodePage kUtf8 = CodePage::kUtf8;

const DecodeCase kDecodeCases[] = {
    {kGbk, "", ""},
    {kGbk, "D6 D0 41", "4E2D 41"},
    {kGbk, "80 FF", "20AC F8F5"}, // the two single bytes above ASCII
    {kGbk, "A1 A4 A3 A4", "B7 FFE5"},
    {kGbk, "A4 0A 62", "3F 62"}, // an unassigned pair swallows the line feed
    {kGbk, "81 20 62", "3F 62"},
    {kGbk, "81 7F 81 FF", "3F 3F"},
    {kGbk, "81 00 41", "3F 0 41"}, // a zero byte is never a trail byte
    {kGbk, "41 81", "41 3F"},      // a lone lead byte at the end
    {kGbk, "00 00", "0 0"},
    {kBig5, "A4 A4 41", "4E2D 41"},
    {kBig5, "80 FF", "80 F8F8"},
    {kBig5, "A4 0A 62", "3F 62"},
    {kBig5, "A4 00", "3F 0"},
    {kBig5, "A4", "3F"},
    {kBig5, "A4 40", "4E00"},
    {kUtf8, "", ""},
    {kUtf8, "E4 B8 AD 41", "4E2D 41"},
    {kUtf8, "EF BB BF 41", "FEFF 41"}, // a byte-order mark is a character like any other
    {kUtf8, "F0 9F 98 80", "D83D DE00"},
    {kUtf8, "F4 8F BF BF", "DBFF DFFF"},
    {kUtf8, "EF BF BF 00", "FFFF 0"},
    {kUtf8, "C2 80 DF BF E0 A0 80", "80 7FF 800"},
    {kUtf8, "C0 80", "FFFD FFFD"}, // C0, C1, F5..FF and stray continuations: one each
    {kUtf8, "C1 BF", "FFFD FFFD"},
    {kUtf8, "F8 88 80 80 80", "FFFD FFFD FFFD FFFD FFFD"},
    {kUtf8, "F5 80 FF 41", "FFFD FFFD FFFD 41"},
    {kUtf8, "C2 41", "FFFD 41"}, // cut short: the next byte is read again
    {kUtf8, "E0 A0 41", "FFFD 41"},
    {kUtf8, "F0 9F 98 41", "FFFD 41"},
    {kUtf8, "E0 80 80", "FFFD FFFD"}, // overlong: found after the first continuation
    {kUtf8, "ED A0 80", "FFFD FFFD"}, // surrogate
    {kUtf8, "ED A0 BD ED B8 80", "FFFD FFFD FFFD FFFD"},
    {kUtf8, "F0 80 80 80", "FFFD FFFD FFFD"},
    {kUtf8, "F0 8F BF BF", "FFFD FFFD FFFD"},
    {kUtf8, "F4 90 80 80", "FFFD FFFD FFFD"}, // beyond U+10FFFF: found before the second
    {kUtf8, "E4 B8", "FFFD"},                 // cut short by the end of the input
    {kUtf8, "C2", "FFFD"},
    {kUtf8, "F0 9F 98", "FFFD"},
    {kUtf8, "E0 41", "FFFD 41", true},
    {kUtf8, "F0 9F 41", "FFFD 41", true},
};

const EncodeCase kEncodeCases[] = {
    {kGbk, "", '?', ""},
    {kGbk, "4E2D 41 0 42", '?', "D6 D0 41 00 42"},
    {kGbk, "B7 20AC AD A5", '?', "A1 A4 80 2D A3 A4"}, // best fit: U+00A5 as the full-width yen
    {kGbk, "2014 2015 FF5E E000 F8F5", '?', "A1 AA A8 44 A1 AB AA A1 FF"},
    {kGbk, "2022 FEFF A0 F8F8", '?', "3F 3F 3F 3F"},
    {kGbk, "378 FFFD FFFF", '?', "3F 3F 3F"},
    {kGbk, "D800 41 DC00", '?', "3F 41 3F"}, // lone surrogates
    {kGbk, "D83D DE00", '?', "3F 3F"},       // a pair: one default character per half
    {kGbk, "2022 41", '\0', "00 41"},
    {kGbk, "4E2D 2022", '*', "D6 D0 2A"},
    {kBig5, "4E2D 41", '?', "A4 A4 41"},
    {kBig5, "B7 2022 20AC A5", '?', "A1 50 A1 45 A3 E1 A2 44"},
    {kBig5, "2014 2015 FF5E E000 F8F8", '?', "A1 58 A2 77 A1 E3 FA 40 FF"},
    {kBig5, "E9 DF", '?', "65 73"}, // Latin letters best-fit to ASCII
    {kBig5, "FEFF F8F5 D800", '?', "3F 3F 3F"},
    {kBig5, "7B80 5343", '\0', "00 A4 64"}, // 简 has no BIG5 form
    {kUtf8, "4E2D 41", '?', "E4 B8 AD 41"},
    {kUtf8, "0 80 7FF 800 FFFF", '?', "00 C2 80 DF BF E0 A0 80 EF BF BF"},
    {kUtf8, "D83D DE00", '?', "F0 9F 98 80"},
    {kUtf8, "DBFF DFFF", '?', "F4 8F BF BF"},
    {kUtf8, "D800 41", '?', "EF BF BD 41"}, // a lone surrogate: U+FFFD
    {kUtf8, "DC00 D800", '?', "EF BF BD EF BF BD"},
    {kUtf8, "D83D", '?', "EF BF BD"},
    {kUtf8, "FEFF FFFE", '?', "EF BB BF EF BF BE"},
};

} // namespace

std::u16string Units(std::string_view hex) {
    std::u16string units;
    const char* p = hex.data();
    const char* end = hex.data() + hex.size();
    while (p != end) {
        if (*p == ' ') {
            ++p;
            continue;
        }
        unsigned value = 0;
        const auto [next, ec] = std::from_chars(p, end, value, 16);
        if (ec != std::errc() || value > 0xFFFF) {
            ADD_FAILURE() << "Units: bad code unit in \"" << hex << "\"";
            return units;
        }
        units += static_cast<char16_t>(value);
        p = next;
    }
    return units;
}

std::string ToHex(std::u16string_view units) {
    std::string out;
    char buffer[8];
    for (char16_t u : units) {
        std::snprintf(buffer, sizeof buffer, "%s%X", out.empty() ? "" : " ", unsigned{u});
        out += buffer;
    }
    return out;
}

Bytes Utf16Le(std::u16string_view units) {
    Bytes bytes;
    for (char16_t u : units) {
        bytes.push_back(static_cast<std::uint8_t>(u));
        bytes.push_back(static_cast<std::uint8_t>(u >> 8));
    }
    return bytes;
}

std::string CodePageName(const testing::TestParamInfo<CodePage>& info) {
    switch (info.param) {
    case CodePage::kGbk:
        return "Gbk";
    case CodePage::kBig5:
        return "Big5";
    case CodePage::kUtf8:
        return "Utf8";
    }
    return "Unknown";
}

std::span<const DecodeCase> DecodeCases() {
    return kDecodeCases;
}
std::span<const EncodeCase> EncodeCases() {
    return kEncodeCases;
}

std::string Describe(CodePage cp) {
    return "code page " + std::to_string(static_cast<int>(cp));
}

} // namespace varnel::test
