// The value operations of SettingsStore, one body over every back end.
#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include "base/date_time.h"
#include "platform/native_path.h"
#include "settings/file_registry.h"
#include "settings/stored_forms.h"
#include "tests/settings/store_backends.h"
#include "tests/support/hex.h"
#include "tests/support/temp_dir.h"

namespace varnel::settings::test {
namespace {

using varnel::test::HexText;
using varnel::test::ToHex;

const std::string kSection = HexText("BBF9 B1BE C5E4 D6C3"); // 基本配置
const std::string kSource = HexText("D4AD CEC4");            // 原文
const std::string kMark = HexText("A9AE 2A A9AE");           // ┊*┊

DateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return FromCivil({year, month, day, hour, minute, second}).value();
}

class StoreTest : public testing::TestWithParam<BackendKind> {
protected:
    std::unique_ptr<StoreBackend> backend_ = MakeBackend(GetParam());
    SettingsStore store_ = backend_->OpenStore(kSection);

    Text Stored(std::string_view key) { return backend_->Stored(kSection, key); }
    void Plant(std::string_view key, std::string_view text) {
        backend_->Plant(kSection, key, text);
    }
};

TEST_P(StoreTest, TextsKeepTheirLineBreaksThroughTheMark) {
    ASSERT_TRUE(store_.WriteText(kSource, "777\r\n123"));
    EXPECT_EQ(ToHex(Stored(kSource)), ToHex("777" + kMark + "123"));
    EXPECT_EQ(store_.ReadText(kSource), "777\r\n123");
    // A text that holds the mark itself comes back with a line break in its place.
    ASSERT_TRUE(store_.WriteText("k", "a" + kMark + "b"));
    EXPECT_EQ(store_.ReadText("k"), "a\r\nb");
    // A missing key gives the default, line breaks and all.
    EXPECT_EQ(store_.ReadText("missing", "x\r\ny"), "x\r\ny");
    EXPECT_EQ(store_.ReadText("missing"), "");
}

TEST_P(StoreTest, LaterWritesReplaceEarlierOnes) {
    ASSERT_TRUE(store_.WriteText("k", "one"));
    ASSERT_TRUE(store_.WriteText("K", "two"));
    EXPECT_EQ(store_.ReadText("k"), "two");
}

TEST_P(StoreTest, LoneLineBreaksAndOuterSpacesSurvive) {
    for (const char* value : {"a\rb", "a\nb=c", " v ", "\"q\"", "\r", "\n\r"}) {
        ASSERT_TRUE(store_.WriteText("k", value));
        EXPECT_EQ(ToHex(store_.ReadText("k")), ToHex(value));
    }
}

TEST_P(StoreTest, Numbers) {
    ASSERT_TRUE(store_.WriteNumber("n", 1.0));
    EXPECT_EQ(Stored("n"), "1");
    ASSERT_TRUE(store_.WriteNumber("n", 1.0 / 3.0));
    EXPECT_EQ(Stored("n"), "0.3333333333333");
    EXPECT_DOUBLE_EQ(store_.ReadNumber("n"), 0.3333333333333);
    struct Case {
        std::string stored;
        double expected;
    };
    const Case cases[] = {
        {"12abc", 12}, {"abc", 0}, {HexText("A3B1 A3B2"), 12}, {" -1.5e2", -150}, {"", 0},
    };
    for (const auto& c : cases) {
        Plant("n", c.stored);
        EXPECT_EQ(store_.ReadNumber("n", 99), c.expected) << c.stored;
    }
    // The default passes through its stored form.
    EXPECT_EQ(store_.ReadNumber("missing", 0.1 + 0.2), 0.3);
}

TEST_P(StoreTest, Booleans) {
    ASSERT_TRUE(store_.WriteBool("b", true));
    EXPECT_EQ(ToHex(Stored("b")), "D5 E6");
    EXPECT_TRUE(store_.ReadBool("b"));
    ASSERT_TRUE(store_.WriteBool("b", false));
    EXPECT_EQ(ToHex(Stored("b")), "BC D9");
    EXPECT_FALSE(store_.ReadBool("b", true));
    EXPECT_FALSE(store_.ReadBoolLenient("b", true));
    for (const char* other : {"1", "true", ""}) {
        Plant("b", other);
        EXPECT_FALSE(store_.ReadBool("b", true)) << other;
        EXPECT_TRUE(store_.ReadBoolLenient("b", false)) << other;
    }
    EXPECT_TRUE(store_.ReadBool("missing", true));
    EXPECT_FALSE(store_.ReadBoolLenient("missing", false));
}

TEST_P(StoreTest, DateTimes) {
    ASSERT_TRUE(store_.WriteDateTime("t", At(2013, 1, 5, 9, 30)));
    EXPECT_EQ(ToHex(Stored("t")),
              ToHex("2013" + HexText("C4EA") + "1" + HexText("D4C2") + "5" + HexText("C8D5") + "9" +
                    HexText("CAB1") + "30" + HexText("B7D6")));
    EXPECT_EQ(store_.ReadDateTime("t"), At(2013, 1, 5, 9, 30));
    Plant("t", "2013-1-5 9:30:07");
    EXPECT_EQ(store_.ReadDateTime("t"), At(2013, 1, 5, 9, 30, 7));
    Plant("t", "2013-2-30");
    EXPECT_EQ(store_.ReadDateTime("t"), At(100, 1, 1));
    EXPECT_EQ(store_.ReadDateTime("missing"), 0.0);
    // The default comes back at whole seconds.
    EXPECT_EQ(store_.ReadDateTime("missing", At(2013, 1, 5, 9, 30, 7) + 0.4 / 86400),
              At(2013, 1, 5, 9, 30, 7));
}

TEST_P(StoreTest, SectionsKeepTheirValuesApart) {
    ASSERT_TRUE(store_.WriteText("k", "first"));
    store_.SetSection("other");
    EXPECT_EQ(store_.ReadText("k", "none"), "none");
    ASSERT_TRUE(store_.WriteText("k", "second"));
    store_.SetSection(kSection);
    EXPECT_EQ(store_.ReadText("k"), "first");
}

INSTANTIATE_TEST_SUITE_P(Backends, StoreTest, testing::ValuesIn(AllBackends()),
                         [](const auto& param) { return BackendName(param.param); });

TEST(StoreFields, ANewStoreIsEmptyAndInIniMode) {
    const SettingsStore store;
    EXPECT_EQ(store.Path(), "");
    EXPECT_EQ(store.Section(), "");
    EXPECT_FALSE(store.RegistryMode());
    EXPECT_EQ(store.KeyPrefix(), "");
}

TEST(StoreFields, OpenAndSetSectionFollowThePrefixRule) {
    SettingsStore store;
    store.Open("A", "S", true);
    EXPECT_EQ(store.KeyPrefix(), "A\\S\\");
    // Open without a section keeps section and prefix, also across a change of mode.
    store.Open("B");
    EXPECT_EQ(store.Path(), "B");
    EXPECT_EQ(store.Section(), "S");
    EXPECT_FALSE(store.RegistryMode());
    EXPECT_EQ(store.KeyPrefix(), "A\\S\\");
    // In INI mode SetSection leaves the prefix alone.
    store.SetSection("T");
    EXPECT_EQ(store.Section(), "T");
    EXPECT_EQ(store.KeyPrefix(), "A\\S\\");
    store.Open("C", "", true);
    EXPECT_EQ(store.KeyPrefix(), "A\\S\\");
    store.SetSection("U");
    EXPECT_EQ(store.KeyPrefix(), "C\\U\\");
}

TEST(StoreFields, CopiesAreIndependent) {
    SettingsStore store;
    store.Open("A", "S", true);
    SettingsStore copy = store;
    copy.Open("B", "T", false);
    EXPECT_EQ(store.Path(), "A");
    EXPECT_EQ(store.Section(), "S");
    EXPECT_TRUE(store.RegistryMode());
    EXPECT_EQ(copy.KeyPrefix(), "A\\S\\");
    EXPECT_EQ(copy.Section(), "T");
}

TEST(StoreIni, ReadsSkipLeadingControlBytesOfTheirNames) {
    varnel::test::TempDir dir;
    const auto file = dir.WriteFile("s.ini", "[sec]\r\nkey=v\r\n");
    SettingsStore store;
    store.Open(" \t\x01" + platform::TextFromPath(file), " \x1Fsec");
    EXPECT_EQ(store.ReadText(" \tkey"), "v");
    // A name that is then empty gives the empty text, whatever the default.
    EXPECT_EQ(store.ReadText(" \t", "default"), "");
    store.SetSection(" ");
    EXPECT_EQ(store.ReadText("key", "default"), "");
}

TEST(StoreIni, BeforeAnySectionReadsGiveEmptyTexts) {
    varnel::test::TempDir dir;
    const auto file = dir.WriteFile("s.ini", "[]\r\nk=v\r\n");
    SettingsStore store;
    store.Open(platform::TextFromPath(file));
    EXPECT_EQ(store.ReadText("k", "default"), "");
    EXPECT_EQ(store.ReadNumber("k", 5), 0);
    EXPECT_FALSE(store.ReadBool("k", true));
    EXPECT_TRUE(store.ReadBoolLenient("k", false));
    EXPECT_EQ(store.ReadDateTime("k", 1000.0), At(100, 1, 1));
}

TEST(StoreIni, AWriteThatCannotHappenReturnsFalse) {
    varnel::test::TempDir dir;
    SettingsStore store;
    store.Open(platform::TextFromPath(dir.Path() / "missing folder" / "s.ini"), "s");
    EXPECT_FALSE(store.WriteText("k", "v"));
    store.Open("", "s");
    EXPECT_FALSE(store.WriteText("k", "v"));
    store.Open(platform::TextFromPath(dir.Path() / "s.ini"), "s");
    EXPECT_FALSE(store.WriteText("a\r\nb", "v")) << "a key with a line break";
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "s.ini"));
}

TEST(StoreIni, AGbkPathGetsItsProperName) {
    varnel::test::TempDir dir;
    SettingsStore store;
    // 主配置.ini
    store.Open(platform::TextFromPath(dir.Path()) + kPathSeparator + HexText("D6F7 C5E4 D6C3") +
                   ".ini",
               "s");
    ASSERT_TRUE(store.WriteText("k", "v"));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / std::filesystem::path(u8"主配置.ini")));
}

TEST(StoreRegistry, ValuesLandUnderPathSectionAndKey) {
    varnel::test::TempDir dir;
    FileRegistry registry(dir.Path() / "registry.txt");
    SettingsStore store(registry);
    // Before any section the prefix is empty: the key alone names the value, in the root.
    store.Open("A", "", true);
    ASSERT_TRUE(store.WriteText("k", "root"));
    EXPECT_EQ(registry.GetValue("", "k")->text, "root");
    store.SetSection("S");
    ASSERT_TRUE(store.WriteText("k", "v"));
    EXPECT_EQ(registry.GetValue("A\\S", "k")->text, "v");
    ASSERT_TRUE(store.WriteText("x\\k", "deeper"));
    EXPECT_EQ(registry.GetValue("A\\S\\x", "k")->text, "deeper");
    EXPECT_EQ(store.ReadText("x\\k"), "deeper");
}

} // namespace
} // namespace varnel::settings::test
