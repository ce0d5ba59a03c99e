// One table of registry cases over both back ends: the emulation everywhere and, on Windows, the
// real registry under HKEY_CLASSES_ROOT.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "settings/file_registry.h"
#include "settings/registry.h"
#include "tests/support/hex.h"
#include "tests/support/temp_dir.h"

#ifdef _WIN32
#include "settings/windows_registry.h"
#endif

namespace varnel::settings {
namespace {

using varnel::test::HexText;

// Everything below one key, removed before and after each test, so that a real registry is
// left as it was found.
const std::string kBase = "VarnelTest";

void SetEnvironment(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value);
#else
    setenv(name, value, 1);
#endif
}

enum class Kind { kFile, kWindows };

class RegistryTest : public testing::TestWithParam<Kind> {
protected:
    RegistryTest() {
#ifdef _WIN32
        if (GetParam() == Kind::kWindows) {
            registry_ = std::make_unique<WindowsRegistry>();
        }
#endif
        if (!registry_) {
            registry_ = std::make_unique<FileRegistry>(dir_.Path() / "registry.txt");
        }
        registry_->DeleteKey(kBase);
    }
    ~RegistryTest() override {
        registry_->DeleteKey(kBase);
    }

    varnel::test::TempDir dir_;
    std::unique_ptr<Registry> registry_;
};

TEST_P(RegistryTest, WritesSplitAtTheLastBackslash) {
    struct Case {
        std::string fullName;
        std::string keyPath;
        std::string valueName;
    };
    const Case cases[] = {
        {kBase + "\\A\\S\\k", kBase + "\\A\\S", "k"},
        {kBase + "\\A\\S\\x\\k", kBase + "\\A\\S\\x", "k"},
        // 乗 is 81 5C: its trail byte is no separator.
        {kBase + "\\" + HexText("815C"), kBase, HexText("815C")},
        {kBase + "\\" + HexText("815C") + "\\k", kBase + "\\" + HexText("815C"), "k"},
        {kBase + "\\" + HexText("D6D0 CEC4") + "\\" + HexText("D7D6"),
         kBase + "\\" + HexText("D6D0 CEC4"), HexText("D7D6")},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteRegistryText(*registry_, c.fullName, "v")) << c.fullName;
        const auto value = registry_->GetValue(c.keyPath, c.valueName);
        ASSERT_TRUE(value.has_value()) << c.fullName;
        EXPECT_EQ(value->type, RegistryType::kString);
        EXPECT_EQ(value->text, "v");
        EXPECT_EQ(ReadRegistryText(*registry_, c.fullName, "d"), "v");
    }
}

TEST_P(RegistryTest, AFullNameWithoutBackslashLivesInTheRoot) {
    const std::string name = kBase + "RootValue";
    ASSERT_TRUE(WriteRegistryText(*registry_, name, "root"));
    const auto value = registry_->GetValue("", name);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->text, "root");
}

TEST_P(RegistryTest, NamesMatchWithoutRegardToCase) {
    ASSERT_TRUE(WriteRegistryText(*registry_, kBase + "\\Case\\Key", "v"));
    EXPECT_EQ(ReadRegistryText(*registry_, kBase + "\\CASE\\key", "d"), "v");
    ASSERT_TRUE(WriteRegistryText(*registry_, kBase + "\\case\\KEY", "w"));
    EXPECT_EQ(ReadRegistryText(*registry_, kBase + "\\Case\\Key", "d"), "w");
}

TEST_P(RegistryTest, ValuesKeepEveryByteOfTheirText) {
    for (const std::string& text :
         {std::string("a\r\nb"), HexText("D6D0 CEC4"), std::string(""), std::string(300, 'x')}) {
        ASSERT_TRUE(WriteRegistryText(*registry_, kBase + "\\T\\k", text));
        EXPECT_EQ(ReadRegistryText(*registry_, kBase + "\\T\\k", "d"), text);
    }
}

TEST_P(RegistryTest, ReadsByType) {
    SetEnvironment("VARNEL_TEST_PLACE", "there");
    const std::string key = kBase + "\\Types";
    ASSERT_TRUE(registry_->SetValue(key, "sz", {RegistryType::kString, "%VARNEL_TEST_PLACE%"}));
    ASSERT_TRUE(registry_->SetValue(key, "expand",
                                    {RegistryType::kExpandString, "%VARNEL_TEST_PLACE%\\x"}));
    ASSERT_TRUE(registry_->SetValue(key, "unknown",
                                    {RegistryType::kExpandString, "%VARNEL_TEST_UNSET%x%"}));
    ASSERT_TRUE(registry_->SetValue(key, "binary", {RegistryType::kOther, "\x01\x02"}));
    struct Case {
        std::string name;
        std::string expected;
    };
    const Case cases[] = {
        {"sz", "%VARNEL_TEST_PLACE%"}, {"expand", "there\\x"}, {"unknown", "%VARNEL_TEST_UNSET%x%"},
        {"binary", "default"},         {"missing", "default"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadRegistryText(*registry_, key + "\\" + c.name, "default"), c.expected)
            << c.name;
    }
    EXPECT_EQ(ReadRegistryText(*registry_, kBase + "\\NoSuchKey\\sz", "default"), "default");
}

TEST_P(RegistryTest, DeletingAKeyTakesItsSubkeys) {
    ASSERT_TRUE(WriteRegistryText(*registry_, kBase + "\\D\\E\\k", "v"));
    ASSERT_TRUE(registry_->DeleteKey(kBase + "\\D"));
    EXPECT_FALSE(registry_->GetValue(kBase + "\\D\\E", "k").has_value());
}

INSTANTIATE_TEST_SUITE_P(Backends, RegistryTest,
#ifdef _WIN32
                         testing::Values(Kind::kFile, Kind::kWindows),
#else
                         testing::Values(Kind::kFile),
#endif
                         [](const auto& param) {
                             return param.param == Kind::kFile ? "FileRegistry" : "WindowsRegistry";
                         });

TEST(FileRegistry, KeepsItsDataInTheNamedFile) {
    varnel::test::TempDir dir;
    const auto file = dir.Path() / "sub" / "registry.txt";
    {
        FileRegistry registry(file);
        ASSERT_TRUE(WriteRegistryText(registry, "A\\S\\k", "v\"\\\r\n"));
    }
    EXPECT_EQ(varnel::test::ReadFile(file), "# varnel registry emulation: HKEY_CLASSES_ROOT\n"
                                            "key \"A\"\n"
                                            "key \"A\\\\S\"\n"
                                            "value \"k\" sz \"v\\\"\\\\\\r\\n\"\n");
    FileRegistry again(file);
    EXPECT_EQ(ReadRegistryText(again, "a\\s\\K", "d"), "v\"\\\r\n");
}

TEST(FileRegistry, WithoutAFileNothingIsStored) {
    FileRegistry registry{std::filesystem::path()};
    EXPECT_FALSE(WriteRegistryText(registry, "A\\k", "v"));
    EXPECT_EQ(ReadRegistryText(registry, "A\\k", "d"), "d");
}

TEST(RegistryNames, SplitAtTheLastBackslash) {
    EXPECT_EQ(SplitRegistryName("A\\S\\k"), (RegistryName{"A\\S", "k"}));
    EXPECT_EQ(SplitRegistryName("k"), (RegistryName{"", "k"}));
    EXPECT_EQ(SplitRegistryName("\\k"), (RegistryName{"", "k"}));
    EXPECT_EQ(SplitRegistryName("A\\"), (RegistryName{"A", ""}));
    const std::string trail = HexText("815C");
    EXPECT_EQ(SplitRegistryName("A\\" + trail), (RegistryName{"A", trail}));
}

TEST(RegistryNames, ExpandReferences) {
    const auto lookup = [](std::string_view name) -> std::optional<Text> {
        if (name == "A") {
            return Text("1");
        }
        return std::nullopt;
    };
    EXPECT_EQ(ExpandReferences("%A%-%A%", lookup), "1-1");
    EXPECT_EQ(ExpandReferences("%B%%A%", lookup), "%B%1");
    EXPECT_EQ(ExpandReferences("100%", lookup), "100%");
    EXPECT_EQ(ExpandReferences("%%A%", lookup), "%1");
}

} // namespace
} // namespace varnel::settings
