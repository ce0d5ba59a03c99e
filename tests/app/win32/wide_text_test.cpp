// Between the controls' UTF-16 and GBK: Chinese both ways, the cut at the first zero character
// and "?" for what GBK cannot hold.
#include "app/win32/wide_text.h"

#include <gtest/gtest.h>

#include <string>

namespace varnel::win32::test {
namespace {

using namespace std::string_literals;

TEST(WideText, GbkAndUtf16BothWays) {
    struct Case {
        std::string gbk;
        std::wstring wide;
    };
    const Case cases[] = {
        {"", L""},
        {"abc", L"abc"},
        {"\xD6\xD0\xCE\xC4", L"中文"},
        {"\x80", L"€"},                    // cp936's one-byte euro sign
        {"a\r\n\xA1\xA1", L"a\r\n\u3000"}, // ideographic space
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WideFromGbk(c.gbk), c.wide) << c.gbk;
        EXPECT_EQ(GbkFromWide(c.wide), c.gbk) << c.gbk;
    }
}

TEST(WideText, BothWaysEndAtTheFirstZero) {
    EXPECT_EQ(WideFromGbk("\xD6\xD0\0\xCE\xC4"s), L"中");
    EXPECT_EQ(WideFromGbk("\0abc"s), L"");
    EXPECT_EQ(GbkFromWide(L"中\0文"s), "\xD6\xD0");
    EXPECT_EQ(GbkFromWide(L"\0abc"s), "");
}

TEST(WideText, WhatGbkCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(GbkFromWide(L"a\u0E01b"), "a?b");      // Thai
    EXPECT_EQ(GbkFromWide(L"x\U0001F600y"), "x??y"); // each half of the surrogate pair
}

TEST(WideText, Utf8ToWide) {
    EXPECT_EQ(WideFromUtf8(u8"去重 ok"), L"去重 ok");
    EXPECT_EQ(WideFromUtf8(u8"\U0001F600"), L"\U0001F600");
    EXPECT_EQ(WideFromUtf8(u8""), L"");
}

} // namespace
} // namespace varnel::win32::test
