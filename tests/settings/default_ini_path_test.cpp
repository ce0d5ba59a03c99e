#include <gtest/gtest.h>

#include "settings/executable_path.h"
#include "settings/settings_store.h"
#include "tests/support/hex.h"

namespace varnel::settings {
namespace {

using varnel::test::HexText;

TEST(DefaultIniPath, ReplacesTheLastExtensionInTheExecutablesFolder) {
    const std::string sep(1, kPathSeparator);
    const std::string dir = sep + "apps" + sep + HexText("D6D0 CEC4");
    struct Case {
        std::string name;
        bool useName;
        std::string expected;
    };
    const Case cases[] = {
        {"", false, dir + sep + "a.b.ini"},
        {"cfg", true, dir + sep + "cfg.ini"},
        {"cfg.txt", true, dir + sep + "cfg.ini"},
        {HexText("D6F7 C5E4 D6C3"), true, dir + sep + HexText("D6F7 C5E4 D6C3") + ".ini"},
        // A dot hidden in a trail byte is no dot (none is, GBK trail bytes start at 40).
        {"x.y" + HexText("815C"), true, dir + sep + "x.ini"},
        // The base goes into the executable's folder whatever it holds itself.
        {"sub" + sep + "cfg", true, dir + sep + "sub" + sep + "cfg.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DefaultIniPathFor(dir + sep + "a.b.exe", c.name, c.useName), c.expected)
            << c.name;
    }
}

TEST(DefaultIniPath, ARootFolderGetsNoSecondSeparator) {
    const std::string root = kPathSeparator == '\\' ? "C:\\" : "/";
    EXPECT_EQ(DefaultIniPathFor(root + "app.exe", "", false), root + "app.ini");
}

TEST(DefaultIniPath, UsesTheRunningExecutable) {
    const Text exe = ExecutablePath();
    ASSERT_FALSE(exe.empty());
    const SettingsStore store;
    const Text path = store.DefaultIniPath();
    EXPECT_EQ(path.substr(path.size() - 4), ".ini");
    EXPECT_EQ(path.substr(0, path.find_last_of(kPathSeparator)),
              exe.substr(0, exe.find_last_of(kPathSeparator)));
}

} // namespace
} // namespace varnel::settings
