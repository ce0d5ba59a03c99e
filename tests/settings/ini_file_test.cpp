// The repairs of our INI files over what Windows does (see ini_file.h), each with the fault it
// prevents.
#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include "tests/support/hex.h"
#include "tests/support/temp_dir.h"

namespace varnel::settings {
namespace {

using namespace std::string_literals;
using varnel::test::HexText;
using varnel::test::ReadFile;
using varnel::test::TempDir;

TEST(IniFile, AValueCutAtTheBufferNeverSplitsACharacter) {
    EXPECT_EQ(CutToReadBuffer(std::string(10239, 'a') + "b"), std::string(10239, 'a'));
    EXPECT_EQ(CutToReadBuffer(std::string(10238, 'a') + HexText("D6D0")), std::string(10238, 'a'));
    EXPECT_EQ(CutToReadBuffer(std::string(10237, 'a') + HexText("D6D0 D6D0")),
              std::string(10237, 'a') + HexText("D6D0"));
}

TEST(IniFile, ALineBreakInAValueCannotAddAKey) {
    TempDir dir;
    const auto file = dir.Path() / "s.ini";
    ASSERT_TRUE(WriteIniValue(file, "s", "k", "x\nevil=1\r[t]"));
    EXPECT_EQ(ReadIniValue(file, "s", "evil", "none"), "none");
    EXPECT_EQ(ReadIniValue(file, "t", "k", "none"), "none");
    EXPECT_EQ(ReadIniValue(file, "s", "k", ""), "x\nevil=1\r[t]");
}

TEST(IniFile, ASectionOrKeyWithALineBreakIsRefused) {
    TempDir dir;
    const auto file = dir.WriteFile("s.ini", "[s]\r\nk=v\r\n");
    EXPECT_FALSE(WriteIniValue(file, "s\n[x", "k", "v"));
    EXPECT_FALSE(WriteIniValue(file, "s", "k\r\nj", "v"));
    EXPECT_EQ(ReadFile(file), "[s]\r\nk=v\r\n");
}

TEST(IniFile, AFailedWriteLeavesTheOldFile) {
    TempDir dir;
    // The file's name is taken by a folder: the new content cannot take its place.
    std::filesystem::create_directory(dir.Path() / "taken.ini");
    EXPECT_FALSE(WriteIniValue(dir.Path() / "taken.ini", "s", "k", "v"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "taken.ini"));
    // A write-protected file is left alone.
    const auto file = dir.WriteFile("ro.ini", "[s]\r\nk=old\r\n");
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_FALSE(WriteIniValue(file, "s", "k", "new"));
    EXPECT_EQ(ReadFile(file), "[s]\r\nk=old\r\n");
    // Nothing is left beside them.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2);
}

TEST(IniFile, UnicodeFilesKeepTheirEncodingAndOtherText) {
    TempDir dir;
    // UTF-16LE: "[s]\r\nk=x\r\nz=😀\r\n" with a character outside GBK in another value.
    const std::string utf16 =
        "\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0x\0\r\0\n\0z\0=\0\x3D\xD8\x00\xDE\r\0\n\0"s;
    const auto file = dir.WriteFile("u.ini", utf16);
    ASSERT_TRUE(WriteIniValue(file, "s", "k", HexText("D6D0")));
    EXPECT_EQ(ReadFile(file),
              "\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0\x2D\x4E\r\0\n\0z\0=\0\x3D\xD8\x00\xDE\r\0\n\0"s);
    EXPECT_EQ(ReadIniValue(file, "s", "z", ""), "??") << "no GBK form: one ? per code unit";
}

} // namespace
} // namespace varnel::settings
