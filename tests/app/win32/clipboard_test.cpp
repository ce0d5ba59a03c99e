// The clipboard commands on the real window and the system clipboard: Unicode text in and out,
// an empty clipboard, a picture only.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/main_controls.h"
#include "tests/app/win32/window_driver.h"
#include "tests/support/hex.h"

namespace varnel::win32::test {
namespace {

namespace control = app::control;
using varnel::test::HexText;
using varnel::test::ToHex;

class ClipboardTest : public WindowTest {
protected:
    ClipboardTest() { Open(); }

    // Replaces the clipboard's content with what `put` places there.
    template <typename Put> void Replace(Put put) {
        ASSERT_TRUE(OpenClipboard(window_->Handle()));
        EmptyClipboard();
        put();
        CloseClipboard();
    }
    void PutUnicode(const std::wstring& text) {
        Replace([&] {
            const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
            HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
            std::memcpy(GlobalLock(block), text.c_str(), bytes);
            GlobalUnlock(block);
            SetClipboardData(CF_UNICODETEXT, block);
        });
    }
    // The clipboard in one text format; nullopt when it has none.
    std::optional<std::string> Format(UINT format) {
        if (!OpenClipboard(window_->Handle())) {
            ADD_FAILURE() << "clipboard busy";
            return std::nullopt;
        }
        std::optional<std::string> content;
        if (HANDLE data = GetClipboardData(format)) {
            const auto* bytes = static_cast<const char*>(GlobalLock(data));
            const std::size_t unit = format == CF_UNICODETEXT ? 2 : 1;
            std::size_t length = 0;
            const std::size_t size = GlobalSize(data);
            while (
                length + unit <= size &&
                (unit == 1 ? bytes[length] != 0 : (bytes[length] != 0 || bytes[length + 1] != 0))) {
                length += unit;
            }
            content = std::string(bytes, length);
            GlobalUnlock(data);
        }
        CloseClipboard();
        return content;
    }
};

TEST_F(ClipboardTest, PasteReadsUnicodeTextThroughGbk) {
    PutUnicode(L"\u7C98\u8D34\r\n\uD55C"); // 粘贴 and a character without a GBK form
    Click(control::kPasteButton);
    EXPECT_EQ(TextOf(control::kSourceEdit), L"\u7C98\u8D34\r\n?");
}

TEST_F(ClipboardTest, PasteOfAnEmptyClipboardEmptiesTheSource) {
    Replace([] {});
    Click(control::kPasteButton);
    EXPECT_EQ(TextOf(control::kSourceEdit), L"");
}

TEST_F(ClipboardTest, PasteOfAPictureOnlyEmptiesTheSource) {
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, 8, 8);
    ReleaseDC(nullptr, screen);
    Replace([&] { SetClipboardData(CF_BITMAP, picture); });
    Click(control::kPasteButton);
    EXPECT_EQ(TextOf(control::kSourceEdit), L"");
}

TEST_F(ClipboardTest, CopyPutsUnicodeTextFromWhichWindowsDerivesTheAnsiText) {
    SetText(control::kResultEdit, L"\u590D\u5236\r\nB"); // 复制
    Click(control::kCopyButton);
    const std::wstring expected = L"\u590D\u5236\r\nB";
    EXPECT_EQ(Format(CF_UNICODETEXT),
              std::string(reinterpret_cast<const char*>(expected.data()), expected.size() * 2));
    EXPECT_EQ(ToHex(Format(CF_TEXT).value_or("none")), ToHex(HexText("B8B4 D6C6 0D0A 42")))
        << "code page 936";
}

TEST_F(ClipboardTest, CopyOfAnEmptyResultLeavesAnEmptyText) {
    PutUnicode(L"old");
    Click(control::kCopyButton);
    EXPECT_EQ(Format(CF_UNICODETEXT), std::string());
}

} // namespace
} // namespace varnel::win32::test
