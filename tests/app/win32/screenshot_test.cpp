// Saves what the window looks like, with a processed text, as main_window.png in the test's
// working folder: the README's picture comes from here.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/main_controls.h"
#include "tests/app/win32/window_driver.h"
#include "tests/support/png_file.h"

namespace varnel::win32::test {
namespace {

namespace control = app::control;

// The window's pixels as the screen shows them, frame included: RGB rows from the top.
std::vector<std::uint8_t> Capture(HWND window, int& width, int& height) {
    RECT rect{};
    GetWindowRect(window, &rect);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    const auto* bgrx = static_cast<const std::uint8_t*>(bits);
    for (std::size_t i = 0; i < static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
         ++i) {
        rgb.push_back(bgrx[4 * i + 2]);
        rgb.push_back(bgrx[4 * i + 1]);
        rgb.push_back(bgrx[4 * i]);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return rgb;
}

class ScreenshotTest : public WindowTest {};

TEST_F(ScreenshotTest, SavesTheWindowWithAProcessedText) {
    Open();
    SetText(control::kSourceEdit, L"\u82F9\u679C\r\n\u9999\u8549\r\n\u6A58\u5B50\r\n"
                                  L"\u82F9\u679C\r\n\u8461\u8404\r\n\u9999\u8549\r\n"
                                  L"\u897F\u74DC\r\n\u82F9\u679C"); // fruit names, some repeated
    Click(control::kProcessButton);
    SetForegroundWindow(window_->Handle());
    RedrawWindow(window_->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    Sleep(300); // let the X server draw what Wine sent it
    Pump();

    int width = 0;
    int height = 0;
    const std::vector<std::uint8_t> rgb = Capture(window_->Handle(), width, height);
    ASSERT_TRUE(varnel::test::WritePng("main_window.png", width, height, rgb));
    // Something was drawn: the banner alone holds many colours.
    std::set<std::uint32_t> colours;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        colours.insert(static_cast<std::uint32_t>(rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]));
    }
    EXPECT_GT(colours.size(), 100u);
}

} // namespace
} // namespace varnel::win32::test
