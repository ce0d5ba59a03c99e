#include "app/file_title.h"

#include <gtest/gtest.h>

#include "tests/support/hex.h"

namespace varnel::app {
namespace {

using test::HexText;

TEST(FileTitle, IsTheNameWithoutFolderAndFromTheFirstDotOn) {
    const std::string folder = "D:\\" + HexText("CEC4 B1BE") + "\\"; // D:\文本\ .
    struct Case {
        std::string path;
        std::string title;
    };
    const Case cases[] = {
        {folder + "a.b.txt", "a"},
        {folder + "readme", "readme"},
        {folder + ".txt", ""},
        {folder, ""},
        {"plain.txt", "plain"}, // no folder at all
        {"", ""},
        {"/home/user/notes.txt", "notes"},
        {"D:/in/list.txt", "list"},
        // 表 is B1 ED and 乗 81 5C: the trail byte 5C is not a "\".
        {"D:\\" + HexText("815C") + "\\" + HexText("B1ED 815C") + ".txt", HexText("B1ED 815C")},
        // A trail byte 2E is impossible in GBK; a name ending in a lone lead byte keeps it.
        {"D:\\x\\" + HexText("D6D0 D6"), HexText("D6D0 D6")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(test::ToHex(FileTitle(c.path)), test::ToHex(c.title)) << test::ToHex(c.path);
    }
}

} // namespace
} // namespace varnel::app
