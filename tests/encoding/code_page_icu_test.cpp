// The exhaustive sweep against an independent decoder: every single byte and every lead byte with
// every second byte decoded, every UTF-16 code unit encoded, for 936 and 950, compared with ICU's
// Windows tables (windows-936-2000, windows-950-2000, fallbacks on). ICU's "cp950" is IBM's table
// and useless as an oracle here.
#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "encoding/code_page.h"
#include "tests/encoding/code_page_cases.h"
#include "tests/support/hex.h"

namespace varnel::encoding {
namespace {

using test::Describe;

class IcuConverter {
public:
    explicit IcuConverter(CodePage cp) {
        UErrorCode status = U_ZERO_ERROR;
        cnv_ = ucnv_open(cp == CodePage::kGbk ? "windows-936-2000" : "windows-950-2000", &status);
        if (U_FAILURE(status)) {
            ADD_FAILURE() << "ICU: " << u_errorName(status);
            cnv_ = nullptr;
            return;
        }
        ucnv_setFallback(cnv_, true);
        ucnv_setSubstChars(cnv_, "?", 1, &status);
        ucnv_setToUCallBack(cnv_, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    }
    ~IcuConverter() { ucnv_close(cnv_); }
    IcuConverter(const IcuConverter&) = delete;
    IcuConverter& operator=(const IcuConverter&) = delete;

    // nullopt where ICU rejects the bytes.
    std::optional<std::u16string> Decode(const std::string& bytes) {
        UChar out[8];
        UErrorCode status = U_ZERO_ERROR;
        ucnv_resetToUnicode(cnv_);
        const int32_t n =
            ucnv_toUChars(cnv_, out, 8, bytes.data(), static_cast<int32_t>(bytes.size()), &status);
        if (U_FAILURE(status))
            return std::nullopt;
        return std::u16string(reinterpret_cast<const char16_t*>(out), static_cast<std::size_t>(n));
    }

    // Unmappable code units become "?".
    std::string Encode(char16_t unit) {
        char out[8];
        UErrorCode status = U_ZERO_ERROR;
        ucnv_resetFromUnicode(cnv_);
        const UChar in = unit;
        const int32_t n = ucnv_fromUChars(cnv_, out, 8, &in, 1, &status);
        EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
        return std::string(out, static_cast<std::size_t>(n));
    }

private:
    UConverter* cnv_ = nullptr;
};

class IcuSweep : public testing::TestWithParam<CodePage> {};

TEST_P(IcuSweep, DecodesEveryByteAndPairAsIcu) {
    const CodePage cp = GetParam();
    IcuConverter icu(cp);
    int differences = 0;
    auto check = [&](const std::string& bytes) {
        const std::u16string ours = MultiByteToUtf16(cp, bytes);
        const auto theirs = icu.Decode(bytes);
        // ICU rejects what Windows turns into "?" (its handling of bad bytes differs); wherever
        // ICU finds a character, ours must be the same.
        const bool same =
            theirs ? ours == *theirs : (ours == u"?" || ours == std::u16string(u"?\0", 2));
        if (!same && ++differences <= 20) {
            ADD_FAILURE() << Describe(cp) << ": " << test::ToHex(bytes) << " gives "
                          << test::ToHex(ours) << ", ICU "
                          << (theirs ? test::ToHex(*theirs) : "rejects it");
        }
    };
    for (unsigned b = 0; b < 256; ++b)
        check(std::string(1, static_cast<char>(b)));
    // Pairs that do not start with a lead byte are two single bytes, seen above.
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0; trail < 256; ++trail) {
            check({static_cast<char>(lead), static_cast<char>(trail)});
        }
    }
    EXPECT_EQ(differences, 0);
}

TEST_P(IcuSweep, EncodesEveryCodeUnitAsIcuWithFallbacks) {
    const CodePage cp = GetParam();
    IcuConverter icu(cp);
    // ICU's own additions to 936: the half-width arrows and a box corner as control bytes.
    const std::set<char16_t> icuControlBytes = {0xFFE9, 0xFFEA, 0xFFEB, 0xFFEC, 0xFFEE};
    int differences = 0;
    int droppedByIcu = 0;
    for (unsigned u = 0; u <= 0xFFFF; ++u) {
        const auto unit = static_cast<char16_t>(u);
        const std::string ours = Utf16ToMultiByte(cp, std::u16string(1, unit));
        const std::string theirs = icu.Encode(unit);
        if (ours == theirs)
            continue;
        // ICU drops default-ignorable characters (U+FEFF, zero-width, variation selectors...)
        // where Windows writes the default character.
        if (ours == "?" && theirs.empty() &&
            u_hasBinaryProperty(u, UCHAR_DEFAULT_IGNORABLE_CODE_POINT)) {
            ++droppedByIcu;
            continue;
        }
        if (cp == CodePage::kGbk && ours == "?" && icuControlBytes.count(unit) == 1)
            continue;
        if (++differences <= 20) {
            ADD_FAILURE() << Describe(cp) << ": U+" << test::ToHex(std::u16string(1, unit))
                          << " gives " << test::ToHex(ours) << ", ICU " << test::ToHex(theirs);
        }
    }
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(droppedByIcu, 65) << "the documented set of default-ignorables ICU drops";
}

INSTANTIATE_TEST_SUITE_P(CodePages, IcuSweep, testing::Values(CodePage::kGbk, CodePage::kBig5),
                         test::CodePageName);

} // namespace
} // namespace varnel::encoding
