// The control- and window-state pairs, through MemoryControls and an INI file.
#include <gtest/gtest.h>

#include "platform/native_path.h"
#include "settings/memory_controls.h"
#include "settings/settings_store.h"
#include "tests/support/hex.h"
#include "tests/support/temp_dir.h"

namespace varnel::settings {
namespace {

using varnel::test::HexText;
using varnel::test::ReadFile;

const std::string kSection = HexText("BBF9 B1BE C5E4 D6C3"); // 基本配置
const std::string kLineBreak = HexText("BBBB D0D0 B7FB");    // 换行符
const std::string kTrue = HexText("D5E6");                   // 真
const std::string kFalse = HexText("BCD9");                  // 假
const std::string kMark = HexText("A9AE 2A A9AE");           // ┊*┊

constexpr WindowId kWindow = 1;
constexpr ControlId kRadio = 10;
constexpr ControlId kEdit = 11;
constexpr ControlId kCombo = 12;
constexpr ControlId kMenuItem = 13;

class ControlStateTest : public testing::Test {
protected:
    ControlStateTest() {
        store_.Open(platform::TextFromPath(File()), kSection);
        controls_.AddWindow(kWindow);
    }
    std::filesystem::path File() const { return dir_.Path() / "settings.ini"; }
    void PlantFile(const std::string& lines) {
        dir_.WriteFile("settings.ini", "[" + kSection + "]\r\n" + lines);
    }
    void SetRadio(const std::string& caption, bool checked) {
        controls_.WriteText(kWindow, kRadio, property::kCaption, caption);
        controls_.WriteBool(kWindow, kRadio, property::kChecked, checked);
    }
    bool Checked() { return controls_.ReadBool(kWindow, kRadio, property::kChecked); }
    Text EditText() { return controls_.ReadText(kWindow, kEdit, property::kEditText); }
    std::int32_t Window(int number) {
        return controls_.ReadInteger(kWindow, kWindowItself, number);
    }
    void SetWindow(std::int32_t state, std::int32_t left, std::int32_t top, std::int32_t width,
                   std::int32_t height) {
        controls_.WriteInteger(kWindow, kWindowItself, property::kWindowState, state);
        controls_.Move(kWindow, kWindowItself, left, top, width, height);
    }

    varnel::test::TempDir dir_;
    SettingsStore store_;
    MemoryControls controls_;
};

TEST_F(ControlStateTest, RadioStateIsStoredUnderItsCaption) {
    SetRadio(kLineBreak, true);
    EXPECT_TRUE(store_.SaveRadioState(controls_, kWindow, kRadio));
    EXPECT_EQ(ReadFile(File()), "[" + kSection + "]\r\n" + kLineBreak + "=" + kTrue + "\r\n");
    SetRadio(kLineBreak, false);
    EXPECT_TRUE(store_.LoadRadioState(controls_, kWindow, kRadio));
    EXPECT_TRUE(Checked());
    SetRadio(kLineBreak, false);
    EXPECT_TRUE(store_.SaveCheckState(controls_, kWindow, kRadio));
    EXPECT_EQ(ReadFile(File()), "[" + kSection + "]\r\n" + kLineBreak + "=" + kFalse + "\r\n");
}

TEST_F(ControlStateTest, AnUnknownCaptionLeavesTheControlAsItIs) {
    for (const bool current : {true, false}) {
        SetRadio("never stored", current);
        EXPECT_EQ(store_.LoadRadioState(controls_, kWindow, kRadio), current);
        EXPECT_EQ(Checked(), current);
        EXPECT_EQ(store_.LoadCheckState(controls_, kWindow, kRadio), current);
    }
}

TEST_F(ControlStateTest, OnlyAStoredTrueChecks) {
    for (const std::string& stored :
         {std::string("1"), std::string("true"), std::string(), kFalse}) {
        PlantFile(kLineBreak + "=" + stored + "\r\n");
        SetRadio(kLineBreak, true);
        EXPECT_FALSE(store_.LoadRadioState(controls_, kWindow, kRadio)) << stored;
        EXPECT_FALSE(Checked());
    }
}

TEST_F(ControlStateTest, RadioButtonsWithOneCaptionShareTheirKey) {
    constexpr ControlId kOther = 20;
    SetRadio("same", true);
    controls_.WriteText(kWindow, kOther, property::kCaption, "same");
    controls_.WriteBool(kWindow, kOther, property::kChecked, false);
    ASSERT_TRUE(store_.SaveRadioState(controls_, kWindow, kRadio));
    EXPECT_TRUE(store_.LoadRadioState(controls_, kWindow, kOther));
}

TEST_F(ControlStateTest, MenuItemsUseTheirCaptionAndCheck) {
    controls_.WriteText(kWindow, kMenuItem, property::kMenuCaption, "item");
    controls_.WriteBool(kWindow, kMenuItem, property::kMenuChecked, true);
    ASSERT_TRUE(store_.SaveMenuCheck(controls_, kWindow, kMenuItem));
    EXPECT_EQ(ReadFile(File()), "[" + kSection + "]\r\nitem=" + kTrue + "\r\n");
    controls_.WriteBool(kWindow, kMenuItem, property::kMenuChecked, false);
    EXPECT_TRUE(store_.LoadMenuCheck(controls_, kWindow, kMenuItem));
}

TEST_F(ControlStateTest, EditLinesUseTheirOwnMarker) {
    controls_.WriteText(kWindow, kEdit, property::kEditText, "a\r\nb");
    ASSERT_TRUE(store_.SaveEditLines("lines", controls_, kWindow, kEdit));
    EXPECT_EQ(ReadFile(File()), "[" + kSection + "]\r\nlines=a[||]b\r\n");
    controls_.WriteText(kWindow, kEdit, property::kEditText, "");
    EXPECT_EQ(store_.LoadEditLines("lines", controls_, kWindow, kEdit), "a\r\nb");
    EXPECT_EQ(EditText(), "a\r\nb");
    // LoadEditText shows the marker as it is.
    EXPECT_EQ(store_.LoadEditText("lines", controls_, kWindow, kEdit), "a[||]b");
}

TEST_F(ControlStateTest, EditLinesAlsoReadTheTextMark) {
    controls_.WriteText(kWindow, kEdit, property::kEditText, "a\r\nb");
    ASSERT_TRUE(store_.SaveEditText("text", controls_, kWindow, kEdit));
    EXPECT_EQ(ReadFile(File()), "[" + kSection + "]\r\ntext=a" + kMark + "b\r\n");
    controls_.WriteText(kWindow, kEdit, property::kEditText, "");
    EXPECT_EQ(store_.LoadEditLines("text", controls_, kWindow, kEdit), "a\r\nb");
    controls_.WriteText(kWindow, kEdit, property::kEditText, "");
    EXPECT_EQ(store_.LoadEditText("text", controls_, kWindow, kEdit), "a\r\nb");
}

TEST_F(ControlStateTest, AMarkerTypedByTheUserComesBackAsALineBreak) {
    controls_.WriteText(kWindow, kEdit, property::kEditText, "x[||]y");
    ASSERT_TRUE(store_.SaveEditLines("lines", controls_, kWindow, kEdit));
    EXPECT_EQ(store_.LoadEditLines("lines", controls_, kWindow, kEdit), "x\r\ny");
}

TEST_F(ControlStateTest, TextLoadsKeepTheControlWhenNothingIsStored) {
    controls_.WriteText(kWindow, kEdit, property::kEditText, "p\r\nq");
    EXPECT_EQ(store_.LoadEditText("missing", controls_, kWindow, kEdit), "p\r\nq");
    EXPECT_EQ(store_.LoadEditLines("missing", controls_, kWindow, kEdit), "p\r\nq");
    controls_.WriteText(kWindow, kCombo, property::kComboText, "*.txt");
    EXPECT_EQ(store_.LoadComboText("missing", controls_, kWindow, kCombo), "*.txt");
    // Also a text that Windows would trim as a default.
    controls_.WriteText(kWindow, kEdit, property::kEditText, "\"quoted\"  ");
    EXPECT_EQ(store_.LoadEditText("missing", controls_, kWindow, kEdit), "\"quoted\"  ");
}

TEST_F(ControlStateTest, ComboTextRoundTrips) {
    controls_.WriteText(kWindow, kCombo, property::kComboText, "*.log");
    ASSERT_TRUE(store_.SaveComboText("pattern", controls_, kWindow, kCombo));
    controls_.WriteText(kWindow, kCombo, property::kComboText, "*.txt");
    EXPECT_EQ(store_.LoadComboText("pattern", controls_, kWindow, kCombo), "*.log");
}

TEST_F(ControlStateTest, WindowPlacementRoundTrips) {
    SetWindow(0, 10, 20, 300, 200);
    store_.SaveWindowPlacement(controls_, kWindow, "win");
    EXPECT_EQ(store_.Section(), "win") << "the section stays current";
    // 位置 左边 顶边 宽度 高度
    EXPECT_EQ(ReadFile(File()), "[win]\r\n" + HexText("CEBB D6C3") + "=0\r\n" +
                                    HexText("D7F3 B1DF") + "=10\r\n" + HexText("B6A5 B1DF") +
                                    "=20\r\n" + HexText("BFED B6C8") + "=300\r\n" +
                                    HexText("B8DF B6C8") + "=200\r\n");
    store_.SetSection(kSection);
    SetWindow(0, 0, 0, 50, 50);
    store_.LoadWindowPlacement(controls_, kWindow, "win");
    EXPECT_EQ(Window(property::kLeft), 10);
    EXPECT_EQ(Window(property::kTop), 20);
    EXPECT_EQ(Window(property::kWidth), 300);
    EXPECT_EQ(Window(property::kHeight), 200);
}

TEST_F(ControlStateTest, AMaximizedWindowStoresOnlyItsState) {
    SetWindow(0, 10, 20, 300, 200);
    store_.SaveWindowPlacement(controls_, kWindow);
    SetWindow(3, 0, 0, 1024, 768);
    store_.SaveWindowPlacement(controls_, kWindow);
    EXPECT_EQ(store_.ReadNumber(HexText("CEBB D6C3")), 3);
    EXPECT_EQ(store_.ReadNumber(HexText("BFED B6C8")), 300) << "the earlier width stays";

    SetWindow(0, 5, 5, 100, 100);
    const int movesBefore = controls_.MoveCount();
    store_.LoadWindowPlacement(controls_, kWindow);
    EXPECT_EQ(Window(property::kWindowState), 3);
    EXPECT_EQ(controls_.MoveCount(), movesBefore) << "a maximized window keeps its rectangle";
}

TEST_F(ControlStateTest, AStoredWidthOfMinusOneKeepsTheWidth) {
    PlantFile(HexText("D7F3 B1DF") + "=7\r\n" + HexText("BFED B6C8") + "=-1\r\n");
    SetWindow(0, 1, 2, 333, 444);
    store_.LoadWindowPlacement(controls_, kWindow);
    EXPECT_EQ(Window(property::kLeft), 7);
    EXPECT_EQ(Window(property::kTop), 2);
    EXPECT_EQ(Window(property::kWidth), 333);
    EXPECT_EQ(Window(property::kHeight), 444);
}

TEST_F(ControlStateTest, StoredNumbersAreTruncatedAndCorruptOnesReadAsZero) {
    PlantFile(HexText("CEBB D6C3") + "=1.9\r\n" + HexText("D7F3 B1DF") + "=-7.9\r\n" +
              HexText("BFED B6C8") + "=wide\r\n" + HexText("B8DF B6C8") + "=1e30\r\n");
    SetWindow(0, 1, 2, 333, 444);
    store_.LoadWindowPlacement(controls_, kWindow);
    EXPECT_EQ(Window(property::kWindowState), 0) << "1 restores and centres: normal again";
    EXPECT_EQ(Window(property::kLeft), -7);
    EXPECT_EQ(Window(property::kWidth), 0);
    EXPECT_EQ(Window(property::kHeight), 2147483647) << "held in range, never overflowing";
}

} // namespace
} // namespace varnel::settings
