#include "platform/native_path.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/hex.h"
#include "tests/support/temp_dir.h"

namespace varnel::platform {
namespace {

using test::HexText;

TEST(NativePath, GbkTextBecomesTheNativeForm) {
#ifdef _WIN32
    EXPECT_EQ(PathFromText(HexText("D6 D0 CE C4 2E 74 78 74")).native(), L"\u4E2D\u6587.txt");
#else
    EXPECT_EQ(PathFromText(HexText("D6 D0 CE C4 2E 74 78 74")).native(), "\u4E2D\u6587.txt");
#endif
    EXPECT_TRUE(PathFromText("").empty());
}

TEST(NativePath, CharactersWithoutAGbkFormBecomeQuestionMarks) {
#ifdef _WIN32
    const std::filesystem::path path(L"a\u0E01\U0001F600.txt");
#else
    const std::filesystem::path path("a\u0E01\U0001F600.txt");
#endif
    EXPECT_EQ(TextFromPath(path), "a???.txt"); // one "?" per UTF-16 code unit, as Windows does
#ifndef _WIN32
    // Bytes that are not UTF-8 in a POSIX name: one "?" for each bad sequence.
    EXPECT_EQ(TextFromPath(std::filesystem::path("a\xFF\xE4\xB8.txt")), "a??.txt");
#endif
    EXPECT_EQ(TextFromPath(std::filesystem::path()), "");
}

TEST(NativePath, RoundTripsThroughARealFile) {
    test::TempDir dir;
    const Text name = HexText("D6 D0 CE C4 A1 A4 2E 74 78 74"); // 中文·.txt
    const std::filesystem::path path = dir.Path() / PathFromText(name);
    std::ofstream(path) << "x";
    ASSERT_TRUE(std::filesystem::exists(path));
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        EXPECT_EQ(test::ToHex(TextFromPath(entry.path().filename())), test::ToHex(name));
    }
}

} // namespace
} // namespace varnel::platform
