// Windows' own MultiByteToWideChar / WideCharToMultiByte as the oracle: the hand-written cases and
// an exhaustive sweep over 936 and 950 must give exactly what our tables give.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "encoding/code_page.h"
#include "tests/encoding/code_page_cases.h"
#include "tests/support/hex.h"

namespace varnel::encoding {
namespace {

using test::Describe;
using test::HexText;
using test::Units;

std::u16string ApiDecode(CodePage cp, const std::string& bytes) {
    if (bytes.empty())
        return {};
    const auto page = static_cast<UINT>(cp);
    const int size = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(page, 0, bytes.data(), size, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(page, 0, bytes.data(), size, out.data(), n);
    return std::u16string(out.begin(), out.end());
}

std::string ApiEncode(CodePage cp, const std::u16string& units, char defaultChar) {
    if (units.empty())
        return {};
    const auto page = static_cast<UINT>(cp);
    const std::wstring wide(units.begin(), units.end());
    const int size = static_cast<int>(wide.size());
    // The default character is read as a string: a lead byte would take the byte after it.
    // Code page 65001 takes none.
    const char defaultString[2] = {defaultChar, '\0'};
    const char* def = cp == CodePage::kUtf8 ? nullptr : defaultString;
    const int n = WideCharToMultiByte(page, 0, wide.data(), size, nullptr, 0, def, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(page, 0, wide.data(), size, out.data(), n, def, nullptr);
    return out;
}

TEST(Win32CodePage, HandWrittenCasesMatchTheApi) {
    for (const auto& c : test::DecodeCases()) {
        if (c.wineDiffers)
            continue;
        const std::string bytes = HexText(c.bytes);
        EXPECT_EQ(test::ToHex(MultiByteToUtf16(c.cp, bytes)), test::ToHex(ApiDecode(c.cp, bytes)))
            << Describe(c.cp) << ": " << c.bytes;
    }
    for (const auto& c : test::EncodeCases()) {
        const std::u16string units = Units(c.units);
        EXPECT_EQ(test::ToHex(Utf16ToMultiByte(c.cp, units, c.defaultChar)),
                  test::ToHex(ApiEncode(c.cp, units, c.defaultChar)))
            << Describe(c.cp) << ": " << c.units;
    }
}

class Win32Sweep : public testing::TestWithParam<CodePage> {};

TEST_P(Win32Sweep, DecodesEveryByteAndPairAsTheApi) {
    const CodePage cp = GetParam();
    int differences = 0;
    auto check = [&](const std::string& bytes) {
        const std::u16string ours = MultiByteToUtf16(cp, bytes);
        const std::u16string theirs = ApiDecode(cp, bytes);
        if (ours != theirs && ++differences <= 20) {
            ADD_FAILURE() << Describe(cp) << ": " << test::ToHex(bytes) << " gives "
                          << test::ToHex(ours) << ", Windows " << test::ToHex(theirs);
        }
    };
    for (unsigned b = 0; b < 256; ++b)
        check(std::string(1, static_cast<char>(b)));
    for (unsigned lead = 0; lead < 256; ++lead) {
        for (unsigned trail = 0; trail < 256; ++trail) {
            // Bytes after the pair show how many bytes the pair took. (UTF-8 only with them: Wine
            // swallows the rest of a sequence that the end of the input cuts short.)
            if (cp != CodePage::kUtf8)
                check({static_cast<char>(lead), static_cast<char>(trail)});
            check({static_cast<char>(lead), static_cast<char>(trail), 'A', 'A', 'A'});
        }
    }
    EXPECT_EQ(differences, 0);
}

TEST(Win32CodePage, DecodesEveryUtf8ThreeByteStartAsTheApi) {
    // Every lead byte of a longer sequence with every first continuation and any third byte:
    // where Windows detects overlong, surrogate and out-of-range forms, and what it consumes.
    int differences = 0;
    for (unsigned lead = 0xE0; lead <= 0xF4; ++lead) {
        for (unsigned second = 0x80; second <= 0xBF; ++second) {
            for (unsigned third = 0; third < 256; ++third) {
                const std::string bytes{static_cast<char>(lead),
                                        static_cast<char>(second),
                                        static_cast<char>(third),
                                        'A',
                                        'A',
                                        'A'};
                const std::u16string ours = MultiByteToUtf16(CodePage::kUtf8, bytes);
                const std::u16string theirs = ApiDecode(CodePage::kUtf8, bytes);
                if (ours != theirs && ++differences <= 20) {
                    ADD_FAILURE() << test::ToHex(bytes) << " gives " << test::ToHex(ours)
                                  << ", Windows " << test::ToHex(theirs);
                }
            }
        }
    }
    EXPECT_EQ(differences, 0);
}

TEST_P(Win32Sweep, EncodesEveryCodeUnitAsTheApi) {
    const CodePage cp = GetParam();
    int differences = 0;
    for (unsigned u = 0; u <= 0xFFFF; ++u) {
        const std::u16string unit(1, static_cast<char16_t>(u));
        for (const char defaultChar : {'?', '\0'}) {
            const std::string ours = Utf16ToMultiByte(cp, unit, defaultChar);
            const std::string theirs = ApiEncode(cp, unit, defaultChar);
            if (ours != theirs && ++differences <= 20) {
                ADD_FAILURE() << Describe(cp) << ": U+" << test::ToHex(unit) << " gives "
                              << test::ToHex(ours) << ", Windows " << test::ToHex(theirs);
            }
        }
    }
    EXPECT_EQ(differences, 0);
}

INSTANTIATE_TEST_SUITE_P(CodePages, Win32Sweep,
                         testing::Values(CodePage::kGbk, CodePage::kBig5, CodePage::kUtf8),
                         test::CodePageName);

} // namespace
} // namespace varnel::encoding
