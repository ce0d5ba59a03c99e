// FindFiles on a real folder: natively our own enumeration, under Wine FindFirstFileExW.
#include "platform/folder_listing.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/support/file_marks.h"
#include "tests/support/temp_dir.h"

namespace varnel::platform {
namespace {

namespace fs = std::filesystem;

std::set<std::string> Names(const FolderListing& listing) {
    std::set<std::string> names;
    for (const auto& name : listing.names) {
        names.insert(reinterpret_cast<const char*>(name.u8string().c_str()));
    }
    return names;
}

class FindFilesTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"a.txt", "B.TXT", "c.ini", "a.txtx", "a.txt.bak", "readme"}) {
            dir_.WriteFile(name, "x");
        }
        dir_.WriteFile(fs::path(u8"中文.txt"), "x");
        dir_.WriteFile(fs::path(u8"한국.txt"), "x"); // outside code page 936
        test::MarkFile(dir_.WriteFile("locked.txt", "x"), test::FileMark::kReadOnly);
        test::MarkFile(dir_.WriteFile("hidden.txt", "x"), test::FileMark::kHidden);
        test::MarkFile(dir_.WriteFile("system.txt", "x"), test::FileMark::kSystem);
        fs::create_directory(dir_.Path() / "folder.txt");
        fs::create_directory(dir_.Path() / "sub");
        dir_.WriteFile(fs::path("sub") / "deep.txt", "x");
    }
    const fs::path& Dir() const { return dir_.Path(); }

private:
    test::TempDir dir_;
};

TEST_F(FindFilesTest, YieldsMatchingFilesButNoFolders) {
    const FolderListing listing = FindFiles(Dir(), "*.txt");
    EXPECT_FALSE(listing.error.has_value());
    EXPECT_EQ(listing.folder, Dir());
    EXPECT_EQ(Names(listing), (std::set<std::string>{"a.txt", "B.TXT", "locked.txt", "hidden.txt",
                                                     "system.txt", "中文.txt", "한국.txt"}));
}

TEST_F(FindFilesTest, AppliesTheSameWildcardRulesEverywhere) {
    struct Case {
        const char* pattern;
        std::set<std::string> names;
    };
    const Case cases[] = {
        {"*.INI", {"c.ini"}},
        {"?.txt", {"a.txt", "B.TXT"}},
        {"a*", {"a.txt", "a.txtx", "a.txt.bak"}},
        {"read*", {"readme"}},
        {"", {}},
        {"*.txt;*.ini", {}},
        {"nothing.*", {}},
        {"folder.txt", {}},
    };
    for (const Case& c : cases) {
        const FolderListing listing = FindFiles(Dir(), c.pattern);
        EXPECT_FALSE(listing.error.has_value()) << c.pattern << ": " << listing.error->Describe();
        EXPECT_EQ(Names(listing), c.names) << c.pattern;
    }
    EXPECT_EQ(FindFiles(Dir(), "*.*").names.size(), 11u) << "every file, none of the folders";
}

TEST_F(FindFilesTest, APatternWithAFolderPartLooksThere) {
#ifdef _WIN32
    const fs::path pattern = L"sub\\*.txt";
#else
    const fs::path pattern = "sub/*.txt";
#endif
    const FolderListing listing = FindFiles(Dir(), pattern);
    EXPECT_FALSE(listing.error.has_value());
    EXPECT_EQ(Names(listing), std::set<std::string>{"deep.txt"});
    EXPECT_TRUE(fs::equivalent(listing.folder, Dir() / "sub"));
    EXPECT_TRUE(fs::exists(listing.folder / listing.names.at(0)));
}

TEST_F(FindFilesTest, AFolderThatCannotBeListedIsAnError) {
    const FolderListing missing = FindFiles(Dir() / "missing", "*.txt");
    ASSERT_TRUE(missing.error.has_value());
    EXPECT_FALSE(missing.error->reason.empty());
    EXPECT_TRUE(missing.names.empty());
}

} // namespace
} // namespace varnel::platform
