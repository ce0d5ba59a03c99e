// The five remembered settings through the fake window and a real INI file: the first start, the
// stored forms after a close, the restart, the order of the calls and every failure case.
#include "app/window_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "app/main_controls.h"
#include "platform/native_path.h"
#include "tests/app/window_fakes.h"
#include "tests/support/hex.h"
#include "tests/support/temp_dir.h"

namespace varnel::app {
namespace {

namespace fs = std::filesystem;
namespace property = settings::property;
using test::FakeMainWindow;
using varnel::test::HexText;
using varnel::test::ReadFile;
using varnel::test::TempDir;
using varnel::test::ToHex;

const Text kSection = HexText("BBF9 B1BE C5E4 D6C3");    // 基本配置
const Text kLineBreakKey = HexText("BBBB D0D0 B7FB");    // 换行符
const Text kSeparatorKey = HexText("B7D6 B8F4 B7FB");    // 分隔符
const Text kSourceKey = HexText("D4AD CEC4");            // 原文
const Text kPatternKey = HexText("CEC4 BCFE C0E0 D0CD"); // 文件类型
const Text kEncodingKey = HexText("B1E0 C2EB");          // 编码
const Text kTrue = HexText("D5E6");                      // 真
const Text kFalse = HexText("BCD9");                     // 假
const Text kMark = HexText("A9AE 2A A9AE");              // ┊*┊
const Text kSample = "777\r\n123\r\n321\r\n222\r\n333\r\n222\r\n321\r\n222\r\n555\r\n655\r\n777";

Text Line(const Text& key, const Text& value) {
    return key + "=" + value + "\r\n";
}

class WindowSettingsTest : public testing::Test {
protected:
    WindowSettingsTest() { store_.Open(platform::TextFromPath(File())); }

    fs::path File() const { return dir_.Path() / "settings.ini"; }
    void PlantFile(const Text& lines) {
        dir_.WriteFile("settings.ini", "[" + kSection + "]\r\n" + lines);
    }

    // A new start: a fresh window as the table makes it, then the restore.
    FakeMainWindow& Restart() {
        window_ = std::make_unique<FakeMainWindow>();
        RestoreWindowSettings(store_, window_->Controls());
        return *window_;
    }
    void Close() { SaveWindowSettings(store_, window_->Controls()); }

    bool Checked(settings::ControlId radio) {
        return window_->memory.ReadBool(kMainWindowId, radio, property::kChecked);
    }
    int EncodingIndex() { return window_->EncodingIndex(); }

    TempDir dir_;
    settings::SettingsStore store_;
    std::unique_ptr<FakeMainWindow> window_;
};

TEST_F(WindowSettingsTest, FirstStartShowsTheTableAndTheFirstCloseStoresTheFiveKeysInOrder) {
    FakeMainWindow& window = Restart();
    EXPECT_TRUE(Checked(control::kLineBreakRadio));
    EXPECT_FALSE(Checked(control::kTypedRadio));
    EXPECT_EQ(window.TypedSeparator(), "");
    EXPECT_EQ(window.SourceText(), kSample);
    EXPECT_EQ(window.FilePattern(), "*.txt");
    EXPECT_EQ(EncodingIndex(), 0);
    EXPECT_FALSE(fs::exists(File())) << "a restore writes nothing";

    Close();
    const Text expected =
        "[" + kSection + "]\r\n" + Line(kLineBreakKey, kTrue) + Line(kSeparatorKey, "") +
        Line(kSourceKey, "777" + kMark + "123" + kMark + "321" + kMark + "222" + kMark + "333" +
                             kMark + "222" + kMark + "321" + kMark + "222" + kMark + "555" + kMark +
                             "655" + kMark + "777") +
        Line(kPatternKey, "*.txt") + Line(kEncodingKey, "0");
    EXPECT_EQ(ToHex(ReadFile(File())), ToHex(expected));
}

TEST_F(WindowSettingsTest, ARestartRestoresWhatTheCloseSaved) {
    FakeMainWindow& first = Restart();
    first.SetLineBreakChosen(false);
    first.SetTypedSeparator("\r\n\r\n");
    first.SetSourceText(HexText("D6D0 CEC4 0D0A 41 0D0A"));
    first.memory.WriteText(kMainWindowId, control::kPatternEdit, property::kEditText, "*.ini");
    first.memory.WriteInteger(kMainWindowId, control::kEncodingList, property::kComboIndex, 2);
    Close();

    FakeMainWindow& second = Restart();
    EXPECT_FALSE(Checked(control::kLineBreakRadio));
    EXPECT_TRUE(Checked(control::kTypedRadio));
    EXPECT_EQ(second.TypedSeparator(), "\r\n\r\n");
    EXPECT_EQ(second.SourceText(), HexText("D6D0 CEC4 0D0A 41 0D0A"));
    EXPECT_EQ(second.FilePattern(), "*.ini");
    EXPECT_EQ(EncodingIndex(), 2);
}

TEST_F(WindowSettingsTest, StoredValuesAndWhatTheyRestore) {
    struct Case {
        const char* what;
        Text lines;
        bool lineBreak;
        int encoding;
    };
    const Case cases[] = {
        {"换行符 假 selects 自己输入", Line(kLineBreakKey, kFalse), false, 0},
        {"换行符 other than 真 selects 自己输入", Line(kLineBreakKey, "1"), false, 0},
        {"换行符 真", Line(kLineBreakKey, kTrue), true, 0},
        {"编码 above the last entry selects Unicode", Line(kEncodingKey, "5"), true, 2},
        {"编码 -1 selects nothing", Line(kEncodingKey, "-1"), true, -1},
        {"编码 -3 selects nothing", Line(kEncodingKey, "-3"), true, -1},
        {"编码 as a full-width digit", Line(kEncodingKey, HexText("A3B2")), true, 2},
        {"编码 fractional is cut toward zero", Line(kEncodingKey, "1.9"), true, 1},
        {"编码 -0.5 is cut to 0", Line(kEncodingKey, "-0.5"), true, 0},
        {"编码 not a number reads as 0", Line(kEncodingKey, "abc"), true, 0},
        {"编码 huge", Line(kEncodingKey, "1e300"), true, 2},
        {"编码 empty reads as 0", Line(kEncodingKey, ""), true, 0},
    };
    for (const Case& c : cases) {
        PlantFile(c.lines);
        Restart();
        EXPECT_EQ(Checked(control::kLineBreakRadio), c.lineBreak) << c.what;
        EXPECT_NE(Checked(control::kTypedRadio), c.lineBreak) << c.what << ": exactly one";
        EXPECT_EQ(EncodingIndex(), c.encoding) << c.what;
    }
}

TEST_F(WindowSettingsTest, NoSelectionIsStoredAsMinusOne) {
    PlantFile(Line(kEncodingKey, "-3"));
    Restart();
    Close();
    EXPECT_NE(ReadFile(File()).find(Line(kEncodingKey, "-1")), std::string::npos);
}

TEST_F(WindowSettingsTest, StoredTextsComeBackWithTheirLineBreaks) {
    PlantFile(Line(kSourceKey, "a" + kMark + "b" + kMark) + Line(kSeparatorKey, kMark + kMark));
    FakeMainWindow& window = Restart();
    EXPECT_EQ(window.SourceText(), "a\r\nb\r\n");
    EXPECT_EQ(window.TypedSeparator(), "\r\n\r\n");
    EXPECT_EQ(window.FilePattern(), "*.txt") << "a missing key keeps the control's text";
}

TEST_F(WindowSettingsTest, ASourceHoldingTheMarkItselfComesBackWithALineBreak) {
    FakeMainWindow& first = Restart();
    first.SetSourceText("x" + kMark + "y");
    Close();
    EXPECT_EQ(Restart().SourceText(), "x\r\ny");
}

TEST_F(WindowSettingsTest, ALongSourceComesBackCutToTheReadBuffer) {
    FakeMainWindow& first = Restart();
    first.SetSourceText(Text(20000, 'x'));
    Close();
    EXPECT_EQ(Restart().SourceText(), Text(10239, 'x'));
}

TEST_F(WindowSettingsTest, DeletingTheFileRestoresTheDefaults) {
    FakeMainWindow& first = Restart();
    first.SetLineBreakChosen(false);
    first.SetSourceText("changed");
    Close();
    fs::remove(File());
    FakeMainWindow& second = Restart();
    EXPECT_TRUE(Checked(control::kLineBreakRadio));
    EXPECT_EQ(second.SourceText(), kSample);
}

TEST_F(WindowSettingsTest, AFileThatCannotBeWrittenFailsSilently) {
    // The folder of the file does not exist: every write fails, as in a read-only folder.
    store_.Open(platform::TextFromPath(dir_.Path() / "missing" / "settings.ini"));
    FakeMainWindow& first = Restart();
    first.SetSourceText("changed");
    Close();
    EXPECT_EQ(Restart().SourceText(), kSample);
}

// Records the order of the control operations of a restore and a save.
class LoggingControls final : public settings::ControlAccess {
public:
    explicit LoggingControls(settings::ControlAccess& inner) : inner_(inner) {}
    std::vector<std::string> log;

    std::int32_t ReadInteger(settings::WindowId w, settings::ControlId c, int n) override {
        Note("read", c, n);
        return inner_.ReadInteger(w, c, n);
    }
    bool ReadBool(settings::WindowId w, settings::ControlId c, int n) override {
        Note("read", c, n);
        return inner_.ReadBool(w, c, n);
    }
    Text ReadText(settings::WindowId w, settings::ControlId c, int n) override {
        Note("read", c, n);
        return inner_.ReadText(w, c, n);
    }
    void WriteInteger(settings::WindowId w, settings::ControlId c, int n, std::int32_t v) override {
        Note("write", c, n);
        inner_.WriteInteger(w, c, n, v);
    }
    void WriteBool(settings::WindowId w, settings::ControlId c, int n, bool v) override {
        Note("write", c, n);
        inner_.WriteBool(w, c, n, v);
    }
    void WriteText(settings::WindowId w, settings::ControlId c, int n,
                   std::string_view v) override {
        Note("write", c, n);
        inner_.WriteText(w, c, n, v);
    }
    void Move(settings::WindowId, settings::ControlId, std::int32_t, std::int32_t, std::int32_t,
              std::int32_t) override {
        ADD_FAILURE() << "nothing is moved";
    }

private:
    void Note(const char* what, settings::ControlId control, int number) {
        // Only the writes, and each control once per run of reads, keep the log readable.
        const std::string entry =
            std::string(what) + " " + std::to_string(control) + "." + std::to_string(number);
        if (log.empty() || log.back() != entry) {
            log.push_back(entry);
        }
    }
    settings::ControlAccess& inner_;
};

TEST_F(WindowSettingsTest, RestoreAndSaveGoThroughTheControlsInTheirOrder) {
    FakeMainWindow window;
    LoggingControls controls(window.memory);
    RestoreWindowSettings(store_, controls);
    const std::vector<std::string> restore = {
        "read 1004.11", "read 1004.18", "write 1004.18", "read 1004.18", "write 1005.18",
        "read 1006.8",  "write 1006.8", "read 1007.8",   "write 1007.8", "read 1014.8",
        "write 1014.8", "read 1016.19", "write 1016.19",
    };
    EXPECT_EQ(controls.log, restore);

    controls.log.clear();
    SaveWindowSettings(store_, controls);
    // SaveRadioState reads the caption and the state in an order of its own.
    ASSERT_EQ(controls.log.size(), 6u);
    EXPECT_EQ(std::set<std::string>(controls.log.begin(), controls.log.begin() + 2),
              (std::set<std::string>{"read 1004.11", "read 1004.18"}));
    const std::vector<std::string> save = {"read 1006.8", "read 1007.8", "read 1014.8",
                                           "read 1016.19"};
    EXPECT_EQ(std::vector<std::string>(controls.log.begin() + 2, controls.log.end()), save);
}

TEST(SettingsFilePath, IsTheExecutablesFolderAndTheFileName) {
    const Text name = HexText("D6F7 C5E4 D6C3 2E69 6E69"); // 主配置.ini
#ifdef _WIN32
    EXPECT_EQ(SettingsFilePath("C:\\Program Files\\Varnel\\Varnel.exe"),
              "C:\\Program Files\\Varnel\\" + name);
    EXPECT_EQ(SettingsFilePath("D:\\Varnel.exe"), "D:\\" + name);
#else
    EXPECT_EQ(SettingsFilePath("/opt/varnel/Varnel.exe"), "/opt/varnel/" + name);
#endif
}

} // namespace
} // namespace varnel::app
