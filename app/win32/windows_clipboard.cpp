#include "app/win32/windows_clipboard.h"

#include <cstring>
#include <cwchar>

#include "app/win32/wide_text.h"

namespace varnel::win32 {

namespace {

// Another program (a clipboard manager, say) may hold the clipboard for a moment.
bool OpenClipboardSoon(HWND owner) {
    constexpr int kAttempts = 5;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(10);
    }
    return false;
}

class ClipboardOpen {
public:
    explicit ClipboardOpen(HWND owner) : open_(OpenClipboardSoon(owner)) {}
    ~ClipboardOpen() {
        if (open_) {
            CloseClipboard();
        }
    }
    ClipboardOpen(const ClipboardOpen&) = delete;
    ClipboardOpen& operator=(const ClipboardOpen&) = delete;
    [[nodiscard]] bool IsOpen() const { return open_; }

private:
    bool open_;
};

} // namespace

Text WindowsClipboard::ReadText() {
    const ClipboardOpen clipboard(owner_);
    if (!clipboard.IsOpen()) {
        return {};
    }
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) {
        return {};
    }
    const auto* units = static_cast<const wchar_t*>(GlobalLock(data));
    if (units == nullptr) {
        return {};
    }
    // Never past the memory block, should a program have put text there without its zero.
    const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    Text text = GbkFromWide(std::wstring_view(units, wcsnlen(units, capacity)));
    GlobalUnlock(data);
    return text;
}

bool WindowsClipboard::WriteText(std::string_view gbk) {
    const std::wstring wide = WideFromGbk(gbk);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (block == nullptr) {
        return false;
    }
    void* target = GlobalLock(block);
    if (target == nullptr) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(block);

    const ClipboardOpen clipboard(owner_);
    if (!clipboard.IsOpen() || !EmptyClipboard()) {
        GlobalFree(block);
        return false;
    }
    if (SetClipboardData(CF_UNICODETEXT, block) == nullptr) {
        GlobalFree(block);
        return false;
    }
    return true; // the clipboard owns the block now
}

} // namespace varnel::win32
