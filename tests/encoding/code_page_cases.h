// Hand-written conversions with their expected results, one table shared by every back end: our
// tables natively, and Windows' own MultiByteToWideChar / WideCharToMultiByte under Wine.
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>

#include "base/text.h"
#include "encoding/code_page.h"

namespace varnel::test {

// Code units from space-separated hexadecimal numbers: Units("4E2D 41") is u"中A".
[[nodiscard]] std::u16string Units(std::string_view hex);
[[nodiscard]] std::string ToHex(std::u16string_view units);
// The code units as UTF-16LE bytes.
[[nodiscard]] Bytes Utf16Le(std::u16string_view units);

struct DecodeCase {
    encoding::CodePage cp;
    const char* bytes;    // hexadecimal pairs
    const char* expected; // code units, as Units()
    // Wine 8 swallows the bytes of a sequence that the end of the input cuts short ("E0 41" gives
    // one U+FFFD); we read them again, as in the middle of the input.
    bool wineDiffers = false;
};

struct EncodeCase {
    encoding::CodePage cp;
    const char* units; // as Units()
    char defaultChar;
    const char* expected; // hexadecimal pairs
};

[[nodiscard]] std::span<const DecodeCase> DecodeCases();
[[nodiscard]] std::span<const EncodeCase> EncodeCases();
[[nodiscard]] std::string Describe(encoding::CodePage cp);
// Test names for suites over code pages: "Gbk", "Big5", "Utf8".
[[nodiscard]] std::string CodePageName(const testing::TestParamInfo<encoding::CodePage>& info);

} // namespace varnel::test
