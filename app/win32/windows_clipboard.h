// The system clipboard as app::Clipboard: text is read and written as Unicode text
// (CF_UNICODETEXT; Windows derives the plain-text formats from it) and converted with our own
// code-page 936 table.
#pragma once

#include <windows.h>

#include "app/clipboard.h"

namespace varnel::win32 {

class WindowsClipboard final : public app::Clipboard {
public:
    // The clipboard's owner while text is put on it; set before the first write.
    void SetOwner(HWND owner) { owner_ = owner; }

    [[nodiscard]] Text ReadText() override;
    bool WriteText(std::string_view gbk) override;

private:
    HWND owner_ = nullptr;
};

} // namespace varnel::win32
