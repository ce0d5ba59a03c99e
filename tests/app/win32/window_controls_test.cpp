// Control properties by number on the real window's controls, as the settings store uses them.
#include "app/win32/window_controls.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app/main_controls.h"
#include "tests/app/win32/window_driver.h"
#include "tests/support/hex.h"

namespace varnel::win32::test {
namespace {

namespace control = app::control;
namespace property = settings::property;
using app::kMainWindowId;
using varnel::test::HexText;

class WindowControlsTest : public WindowTest {
protected:
    WindowControlsTest() {
        Open();
        controls_.RegisterWindow(kMainWindowId, window_->Handle());
    }
    WindowControls controls_;
};

TEST_F(WindowControlsTest, EdgesAndSizes) {
    const app::ControlSpec& spec = *app::FindControl(control::kSourceEdit);
    for (int number = 0; number < 4; ++number) {
        const int expected[] = {spec.rect.left, spec.rect.top, spec.rect.width, spec.rect.height};
        EXPECT_EQ(controls_.ReadInteger(kMainWindowId, control::kSourceEdit, number),
                  expected[number]);
    }
    RECT outer{};
    GetWindowRect(window_->Handle(), &outer);
    EXPECT_EQ(controls_.ReadInteger(kMainWindowId, settings::kWindowItself, property::kLeft),
              outer.left)
        << "a top-level window in screen coordinates";
    EXPECT_EQ(controls_.ReadInteger(kMainWindowId, settings::kWindowItself, property::kWidth), 406);

    controls_.Move(kMainWindowId, control::kSourceEdit, 10, 150, -1, 100);
    const RECT moved = ClientRectOf(control::kSourceEdit);
    EXPECT_EQ(moved.left, 10);
    EXPECT_EQ(moved.right - moved.left, 190) << "-1 keeps the width";
    EXPECT_EQ(moved.bottom - moved.top, 100);
    controls_.WriteInteger(kMainWindowId, control::kSourceEdit, property::kTop, 152);
    EXPECT_EQ(ClientRectOf(control::kSourceEdit).top, 152);

    const LONG listHeight =
        ClientRectOf(control::kEncodingList).bottom - ClientRectOf(control::kEncodingList).top;
    controls_.Move(kMainWindowId, control::kEncodingList, 340, 358, 52, 40);
    const RECT list = ClientRectOf(control::kEncodingList);
    EXPECT_EQ(list.left, 340);
    EXPECT_EQ(list.right - list.left, 52);
    EXPECT_EQ(list.bottom - list.top, listHeight) << "the selection field keeps its height";
}

TEST_F(WindowControlsTest, TextsAreGbk) {
    EXPECT_EQ(controls_.ReadText(kMainWindowId, control::kPatternEdit, property::kEditText),
              "*.txt");
    controls_.WriteText(kMainWindowId, control::kSourceEdit, property::kEditText,
                        HexText("D6D0 CEC4 0D0A 41"));
    EXPECT_EQ(TextOf(control::kSourceEdit), L"\u4E2D\u6587\r\nA");
    EXPECT_EQ(controls_.ReadText(kMainWindowId, control::kSourceEdit, property::kEditText),
              HexText("D6D0 CEC4 0D0A 41"));
    EXPECT_EQ(controls_.ReadText(kMainWindowId, control::kLineBreakRadio, property::kCaption),
              HexText("BBBB D0D0 B7FB")); // 换行符
    EXPECT_EQ(controls_.ReadText(kMainWindowId, control::kSourceEdit, property::kCaption), "")
        << "an edit box has no caption";
    EXPECT_EQ(controls_.ReadText(kMainWindowId, control::kLineBreakRadio, property::kEditText), "")
        << "a radio button has no edit text";
}

TEST_F(WindowControlsTest, TheDropDownList) {
    EXPECT_EQ(controls_.ReadInteger(kMainWindowId, control::kEncodingList, property::kComboIndex),
              0);
    EXPECT_EQ(controls_.ReadText(kMainWindowId, control::kEncodingList, property::kComboText),
              "ANSI");
    controls_.WriteText(kMainWindowId, control::kEncodingList, property::kComboText, "Unicode");
    EXPECT_EQ(controls_.ReadInteger(kMainWindowId, control::kEncodingList, property::kComboIndex),
              2);
    controls_.WriteText(kMainWindowId, control::kEncodingList, property::kComboText, "UTF-16");
    EXPECT_EQ(controls_.ReadInteger(kMainWindowId, control::kEncodingList, property::kComboIndex),
              2)
        << "no such entry: unchanged";
    controls_.WriteInteger(kMainWindowId, control::kEncodingList, property::kComboIndex, -1);
    EXPECT_EQ(controls_.ReadInteger(kMainWindowId, control::kEncodingList, property::kComboIndex),
              -1);
}

TEST_F(WindowControlsTest, CheckedStatesAndTags) {
    EXPECT_TRUE(controls_.ReadBool(kMainWindowId, control::kLineBreakRadio, property::kChecked));
    controls_.WriteBool(kMainWindowId, control::kTypedRadio, property::kChecked, true);
    EXPECT_TRUE(Checked(control::kTypedRadio));
    EXPECT_FALSE(controls_.ReadBool(kMainWindowId, control::kProcessButton, property::kChecked));

    controls_.WriteText(kMainWindowId, control::kProcessButton, property::kTag, "tag");
    EXPECT_EQ(controls_.ReadText(kMainWindowId, control::kProcessButton, property::kTag), "tag");
    EXPECT_EQ(controls_.ReadText(kMainWindowId, control::kCopyButton, property::kTag), "");
}

TEST_F(WindowControlsTest, TheWindowsPositionState) {
    HWND main = window_->Handle();
    EXPECT_EQ(controls_.ReadInteger(kMainWindowId, settings::kWindowItself, property::kWindowState),
              0);
    controls_.WriteInteger(kMainWindowId, settings::kWindowItself, property::kWindowState, 2);
    Pump();
    EXPECT_TRUE(IsIconic(main));
    EXPECT_EQ(controls_.ReadInteger(kMainWindowId, settings::kWindowItself, property::kWindowState),
              2);
    controls_.WriteInteger(kMainWindowId, settings::kWindowItself, property::kWindowState, -5);
    Pump();
    EXPECT_FALSE(IsIconic(main)) << "clamped to 0: shown normally";
}

TEST_F(WindowControlsTest, UnknownWindowsAndControlsReadAsNothing) {
    EXPECT_EQ(controls_.ReadInteger(99, control::kSourceEdit, property::kLeft), 0);
    EXPECT_EQ(controls_.ReadText(kMainWindowId, 4242, property::kEditText), "");
    controls_.WriteText(99, control::kSourceEdit, property::kEditText, "x");
    EXPECT_NE(TextOf(control::kSourceEdit), L"x");
    controls_.ForgetWindow(kMainWindowId);
    EXPECT_EQ(controls_.ReadText(kMainWindowId, control::kPatternEdit, property::kEditText), "");
}

} // namespace
} // namespace varnel::win32::test
