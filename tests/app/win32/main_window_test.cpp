// The real main window: every control against the table, the text commands, the radio group,
// the settings file written on close and read on the next start, runs inside the pump, and the
// layout at another DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/main_controls.h"
#include "app/win32/message_pump.h"
#include "app/win32/wide_text.h"
#include "engine/deduplicate.h"
#include "tests/app/win32/window_driver.h"
#include "tests/support/hex.h"
#include "tests/support/temp_dir.h"

namespace varnel::win32::test {
namespace {

namespace control = app::control;
using app::ControlKind;
using app::ControlSpec;
using varnel::test::HexText;
using varnel::test::ReadFile;
using varnel::test::ToHex;

const wchar_t* ExpectedClass(ControlKind kind) {
    switch (kind) {
    case ControlKind::kPicture:
        return L"VarnelBanner";
    case ControlKind::kStrip:
    case ControlKind::kLabel:
        return L"Static";
    case ControlKind::kRadioButton:
    case ControlKind::kButton:
        return L"Button";
    case ControlKind::kEditBox:
        return L"Edit";
    case ControlKind::kDropDownList:
        return L"ComboBox";
    }
    return L"";
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// The control's Chinese name, as UTF-8 for the failure messages.
std::string NameOf(const ControlSpec& spec) {
    return {spec.name.begin(), spec.name.end()};
}

bool Has(DWORD style, DWORD bits) {
    return (style & bits) == bits;
}

// The style bits that the description of each kind asks for.
void ExpectStyle(const ControlSpec& spec, HWND control) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    const std::string name = NameOf(spec);
    EXPECT_TRUE(Has(style, WS_CHILD | WS_VISIBLE)) << name;
    switch (spec.kind) {
    case ControlKind::kStrip:
        EXPECT_EQ(style & SS_TYPEMASK, static_cast<DWORD>(SS_ETCHEDHORZ)) << name;
        break;
    case ControlKind::kLabel:
        EXPECT_EQ(style & SS_TYPEMASK, static_cast<DWORD>(SS_LEFT)) << name;
        EXPECT_TRUE(Has(style, SS_CENTERIMAGE)) << name << ": centred vertically";
        break;
    case ControlKind::kRadioButton:
        EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTORADIOBUTTON)) << name;
        EXPECT_EQ(Has(style, WS_GROUP), spec.id == control::kLineBreakRadio) << name;
        break;
    case ControlKind::kEditBox:
        EXPECT_EQ(Has(style, ES_MULTILINE), spec.multiLine) << name;
        EXPECT_EQ(Has(style, ES_WANTRETURN), spec.multiLine) << name << ": Enter breaks lines";
        EXPECT_EQ(Has(style, WS_HSCROLL | WS_VSCROLL), spec.scrollBars) << name;
        if (spec.multiLine) {
            EXPECT_EQ(Has(style, ES_AUTOHSCROLL), spec.scrollBars) << name << ": wrapping";
        }
        EXPECT_EQ(Has(style, ES_CENTER), spec.centred) << name;
        EXPECT_FALSE(Has(style, ES_READONLY)) << name;
        EXPECT_FALSE(Has(style, ES_PASSWORD)) << name;
        EXPECT_GE(static_cast<unsigned long long>(SendMessageW(control, EM_GETLIMITTEXT, 0, 0)),
                  0x7FFFFFFEull)
            << name << ": no length limit";
        break;
    case ControlKind::kButton:
        EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON)) << name;
        EXPECT_EQ(Has(style, BS_LEFT), spec.captionLeft) << name;
        break;
    case ControlKind::kDropDownList:
        EXPECT_EQ(style & 3u, static_cast<DWORD>(CBS_DROPDOWNLIST)) << name;
        break;
    default:
        break;
    }
}

class MainWindowTest : public WindowTest {};

TEST_F(MainWindowTest, EveryControlMatchesTheTable) {
    MainWindow& window = Open();
    ASSERT_EQ(window.Dpi(), 96u) << "the table's numbers hold at 96 DPI";
    for (const ControlSpec& spec : app::MainControls()) {
        HWND control = Control(spec.id);
        ASSERT_NE(control, nullptr) << NameOf(spec);
        const std::string name = NameOf(spec);
        EXPECT_EQ(ClassOf(control), ExpectedClass(spec.kind)) << name;
        const RECT rect = ClientRectOf(spec.id);
        EXPECT_EQ(rect.left, spec.rect.left) << name;
        EXPECT_EQ(rect.top, spec.rect.top) << name;
        EXPECT_EQ(rect.right - rect.left, spec.rect.width) << name;
        EXPECT_EQ(rect.bottom - rect.top, spec.rect.height) << name;
        ExpectStyle(spec, control);
        if (spec.kind == ControlKind::kDropDownList) {
            ASSERT_EQ(SendMessageW(control, CB_GETCOUNT, 0, 0), 3);
            const wchar_t* entries[] = {L"ANSI", L"UTF-8", L"Unicode"};
            for (int i = 0; i < 3; ++i) {
                wchar_t entry[16] = {};
                SendMessageW(control, CB_GETLBTEXT, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(entry));
                EXPECT_STREQ(entry, entries[i]);
            }
            EXPECT_EQ(SendMessageW(control, CB_GETCURSEL, 0, 0), 0);
        } else if (spec.kind != ControlKind::kPicture) {
            EXPECT_EQ(TextOf(spec.id), WideFromUtf8(spec.text)) << name;
        }
        if (spec.kind == ControlKind::kRadioButton) {
            EXPECT_EQ(Checked(spec.id), spec.selected) << name;
        }
        if (spec.kind != ControlKind::kPicture && spec.kind != ControlKind::kStrip) {
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                      window.Font())
                << name;
        }
    }
    EXPECT_EQ(TextOf(control::kSourceEdit),
              L"777\r\n123\r\n321\r\n222\r\n333\r\n222\r\n321\r\n222\r\n555\r\n655\r\n777");
}

TEST_F(MainWindowTest, TheWindowItself) {
    MainWindow& window = Open();
    HWND main = window.Handle();
    wchar_t caption[128] = {};
    GetWindowTextW(main, caption, 128);
    EXPECT_STREQ(caption, L"Varnel v1.0 - \u8054\u7CFB\u90AE\u7BB1\uFF1Ahello@varnel.org");
    RECT outer{};
    GetWindowRect(main, &outer);
    EXPECT_EQ(outer.right - outer.left, 406);
    EXPECT_EQ(outer.bottom - outer.top, 426);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(main, GWL_STYLE));
    EXPECT_TRUE(Has(style, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_FALSE(Has(style, WS_MAXIMIZEBOX));
    EXPECT_FALSE(Has(style, WS_THICKFRAME)) << "a fixed border";
    EXPECT_EQ(GetParent(main), nullptr);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    EXPECT_NEAR((outer.left + outer.right) / 2, (area.left + area.right) / 2, 1) << "centred";
    EXPECT_NEAR((outer.top + outer.bottom) / 2, (area.top + area.bottom) / 2, 1) << "centred";
}

TEST_F(MainWindowTest, ThePatternBoxLiesAboveTheFolderButton) {
    MainWindow& window = Open();
    const RECT box = ClientRectOf(control::kPatternEdit);
    const POINT inside{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    EXPECT_EQ(ChildWindowFromPointEx(window.Handle(), inside, CWP_SKIPINVISIBLE),
              Control(control::kPatternEdit));
}

TEST_F(MainWindowTest, ProcessOnTheSampleTextGivesTheSevenLines) {
    Open();
    Click(control::kProcessButton);
    EXPECT_EQ(TextOf(control::kResultEdit), L"123\r\n333\r\n321\r\n222\r\n555\r\n655\r\n777");
}

TEST_F(MainWindowTest, ChineseTextIsProcessedAsGbk) {
    Open();
    // 한 has no GBK form: it reaches the engine as "?", as in an ANSI window on a Chinese system.
    SetText(control::kSourceEdit, L"\u4E2D\u6587\r\nA\r\n\u4E2D\u6587\r\n\uD55C");
    Click(control::kProcessButton);
    EXPECT_EQ(TextOf(control::kResultEdit), L"A\r\n\u4E2D\u6587\r\n?");
}

TEST_F(MainWindowTest, TheTypedSeparatorIsUsedWhenChosen) {
    Open();
    SetText(control::kSourceEdit, L"p1\r\n\r\np2\r\n\r\np1");
    SetText(control::kSeparatorEdit, L"\r\n\r\n");
    Click(control::kTypedRadio);
    Click(control::kProcessButton);
    EXPECT_EQ(TextOf(control::kResultEdit), L"p2\r\n\r\np1");
}

TEST_F(MainWindowTest, TheRadioButtonsDeselectEachOther) {
    Open();
    Click(control::kTypedRadio);
    EXPECT_TRUE(Checked(control::kTypedRadio));
    EXPECT_FALSE(Checked(control::kLineBreakRadio));
    Click(control::kLineBreakRadio);
    EXPECT_TRUE(Checked(control::kLineBreakRadio));
    EXPECT_FALSE(Checked(control::kTypedRadio));
}

Text ExpectedFirstFile() {
    const Text mark = HexText("A9AE 2A A9AE"); // ┊*┊
    Text sample;
    for (const char* line :
         {"777", "123", "321", "222", "333", "222", "321", "222", "555", "655"}) {
        sample += line + mark;
    }
    sample += "777";
    return "[" + HexText("BBF9 B1BE C5E4 D6C3") + "]\r\n" +             // 基本配置
           HexText("BBBB D0D0 B7FB") + "=" + HexText("D5E6") + "\r\n" + // 换行符=真
           HexText("B7D6 B8F4 B7FB") + "=\r\n" +                        // 分隔符=
           HexText("D4AD CEC4") + "=" + sample + "\r\n" +               // 原文=
           HexText("CEC4 BCFE C0E0 D0CD") + "=*.txt\r\n" +              // 文件类型=
           HexText("B1E0 C2EB") + "=0\r\n";                             // 编码=
}

TEST_F(MainWindowTest, ClosingWritesTheFiveKeysInTheirStoredForms) {
    MainWindow& window = Open();
    EXPECT_FALSE(std::filesystem::exists(IniPath())) << "the first start writes nothing";
    Close();
    EXPECT_TRUE(window.WindowClosed());
    EXPECT_EQ(window.Handle(), nullptr);
    EXPECT_EQ(ToHex(ReadFile(IniPath())), ToHex(ExpectedFirstFile()));
}

TEST_F(MainWindowTest, TheEndOfTheSessionSavesTheSettingsToo) {
    // Windows ends a session without a close request; what the user set is kept all the same.
    MainWindow& window = Open();
    SendMessageW(window.Handle(), WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(std::filesystem::exists(IniPath())) << "a session that goes on";
    SendMessageW(window.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(ToHex(ReadFile(IniPath())), ToHex(ExpectedFirstFile()));
}

TEST_F(MainWindowTest, ARestartRestoresTheSettings) {
    Open();
    Click(control::kTypedRadio);
    SetText(control::kSeparatorEdit, L"\r\n\r\n");
    SetText(control::kSourceEdit, L"\u4E2D\u6587\r\n\u4E2D\u6587");
    SetText(control::kPatternEdit, L"*.ini");
    SendMessageW(Control(control::kEncodingList), CB_SETCURSEL, 1, 0);
    Close();

    Open();
    EXPECT_TRUE(Checked(control::kTypedRadio));
    EXPECT_FALSE(Checked(control::kLineBreakRadio));
    EXPECT_EQ(TextOf(control::kSeparatorEdit), L"\r\n\r\n");
    EXPECT_EQ(TextOf(control::kSourceEdit), L"\u4E2D\u6587\r\n\u4E2D\u6587");
    EXPECT_EQ(TextOf(control::kPatternEdit), L"*.ini");
    EXPECT_EQ(SendMessageW(Control(control::kEncodingList), CB_GETCURSEL, 0, 0), 1);
}

TEST_F(MainWindowTest, AStoredIndexBeyondTheListSelectsTheLastEntry) {
    dir_.WriteFile(IniPath().filename(), "[" + HexText("BBF9 B1BE C5E4 D6C3") + "]\r\n" +
                                             HexText("B1E0 C2EB") + "=5\r\n");
    Open();
    EXPECT_EQ(SendMessageW(Control(control::kEncodingList), CB_GETCURSEL, 0, 0), 2);
}

std::wstring ManyLines(int count) {
    std::wstring text;
    for (int i = 0; i < count; ++i) {
        text += L"line " + std::to_wstring(i % (count / 2)) + L"\r\n";
    }
    return text;
}

TEST_F(MainWindowTest, ClosingDuringARunSavesAndStopsItWithoutWriting) {
    MainWindowOptions options;
    options.yieldInterval = std::chrono::milliseconds(0);
    MainWindow& window = Open(options);
    SetText(control::kSourceEdit, ManyLines(20000));
    // The close request waits in the queue; the run's first yield dispatches it.
    PostMessageW(window.Handle(), WM_CLOSE, 0, 0);
    SendMessageW(Control(control::kProcessButton), BM_CLICK, 0, 0);
    Pump();
    EXPECT_TRUE(window.WindowClosed());
    EXPECT_EQ(window.Handle(), nullptr);
    const std::string file = ReadFile(IniPath());
    EXPECT_NE(file.find(HexText("D4AD CEC4") + "=line 0"), std::string::npos)
        << "the source in the box at the close was saved";
}

// Records every text put into a control.
std::vector<std::wstring>* recordedTexts = nullptr;
WNDPROC originalProc = nullptr;

LRESULT CALLBACK RecordSetText(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT && recordedTexts != nullptr) {
        recordedTexts->emplace_back(reinterpret_cast<const wchar_t*>(lParam));
    }
    return CallWindowProcW(originalProc, window, message, wParam, lParam);
}

TEST_F(MainWindowTest, ASecondClickDuringARunRunsInsideItAndTheFirstRunWritesLast) {
    MainWindowOptions options;
    options.yieldInterval = std::chrono::milliseconds(0);
    Open(options);
    const std::wstring source = ManyLines(20000);
    SetText(control::kSourceEdit, source);
    std::vector<std::wstring> texts;
    recordedTexts = &texts;
    originalProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        Control(control::kResultEdit), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordSetText)));

    // Waiting in the queue: a click on 自己输入 (its box is empty) and a second click on 处理.
    PostMessageW(Control(control::kTypedRadio), BM_CLICK, 0, 0);
    PostMessageW(Control(control::kProcessButton), BM_CLICK, 0, 0);
    SendMessageW(Control(control::kProcessButton), BM_CLICK, 0, 0);
    Pump();
    recordedTexts = nullptr;

    const Text gbkSource = GbkFromWide(source);
    const std::wstring progress = L"\u6B63\u5728\u53BB\u91CD\u4E2D.."; // 正在去重中..
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], progress);
    EXPECT_EQ(texts[1], progress);
    EXPECT_TRUE(texts[2] == source) << "the inner run: an empty separator keeps the text";
    EXPECT_TRUE(texts[3] == WideFromGbk(engine::DeduplicateBlocks(gbkSource, "\r\n")))
        << "the outer run, with the line break it read at its start, writes last";
    EXPECT_TRUE(TextOf(control::kResultEdit) == texts[3]);
}

TEST_F(MainWindowTest, ThePumpDispatchesWhatWaitsAndLeavesTheQuitRequest) {
    MainWindow& window = Open();
    PostMessageW(Control(control::kTypedRadio), BM_CLICK, 0, 0);
    PostQuitMessage(7);
    window.ProcessPendingMessages();
    EXPECT_TRUE(Checked(control::kTypedRadio)) << "the click waiting before it was dispatched";
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(MainWindowTest, TabMovesOnFromEveryBoxAndEnterBreaksLinesInTheMultiLineOnes) {
    MainWindow& window = Open();
    SetForegroundWindow(window.Handle());
    SetFocus(Control(control::kSourceEdit));
    PostMessageW(Control(control::kSourceEdit), WM_KEYDOWN, VK_TAB, 0);
    window.ProcessPendingMessages();
    EXPECT_EQ(GetFocus(), Control(control::kResultEdit)) << "out of a multi-line box";
    PostMessageW(Control(control::kResultEdit), WM_KEYDOWN, VK_TAB, 0);
    window.ProcessPendingMessages();
    EXPECT_EQ(GetFocus(), Control(control::kPasteButton));

    SetFocus(Control(control::kSeparatorEdit));
    PostMessageW(Control(control::kSeparatorEdit), WM_CHAR, VK_RETURN, 0);
    window.ProcessPendingMessages();
    EXPECT_EQ(TextOf(control::kSeparatorEdit), L"\r\n") << "Enter types a line break";
}

TEST_F(MainWindowTest, AnotherDpiScalesEveryControlAndTheFontAndBackAgain) {
    MainWindow& window = Open();
    RECT before{};
    GetWindowRect(window.Handle(), &before);
    const auto changeDpi = [&](UINT dpi) {
        RECT suggested = before;
        suggested.right = before.left + MulDiv(406, static_cast<int>(dpi), 96);
        suggested.bottom = before.top + MulDiv(426, static_cast<int>(dpi), 96);
        SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        Pump();
    };
    changeDpi(144);
    EXPECT_EQ(window.Dpi(), 144u);
    LOGFONTW font{};
    GetObjectW(window.Font(), sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, -18);
    for (const ControlSpec& spec : app::MainControls()) {
        const RECT rect = ClientRectOf(spec.id);
        EXPECT_EQ(rect.left, spec.rect.left * 3 / 2);
        EXPECT_EQ(rect.top, spec.rect.top * 3 / 2);
        EXPECT_EQ(rect.right - rect.left, spec.rect.width * 3 / 2 + spec.rect.width % 2);
        EXPECT_EQ(rect.bottom - rect.top, spec.rect.height * 3 / 2);
    }
    changeDpi(96);
    for (const ControlSpec& spec : app::MainControls()) {
        const RECT rect = ClientRectOf(spec.id);
        EXPECT_EQ(rect.right - rect.left, spec.rect.width);
        EXPECT_EQ(rect.bottom - rect.top, spec.rect.height);
    }
}

} // namespace
} // namespace varnel::win32::test
