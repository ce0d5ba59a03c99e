// Opens a page through COM automation of the browser object registered as
// "InternetExplorer.Application" (Visible, then Navigate); where that object cannot be created or
// navigation fails (current Windows has no Internet Explorer), the address goes to the default
// browser. COM must be initialised on the calling thread. Nothing is ever shown on failure.
#pragma once

#include <functional>
#include <string>

#include "app/browser_opener.h"

namespace varnel::win32 {

class AutomationBrowser final : public app::BrowserOpener {
public:
    // Hands an address to the default browser; true when it was accepted.
    using DefaultBrowser = std::function<bool(const std::wstring& address)>;

    // The ProgID and the fallback are replaceable for tests, so that none starts a browser.
    explicit AutomationBrowser(std::wstring progId = L"InternetExplorer.Application",
                               DefaultBrowser defaultBrowser = OpenWithShell);

    // True when Navigate succeeded or, failing that, the default browser took the address. A
    // page asked to stay hidden never goes to the default browser, which would show it.
    bool OpenPageInBrowser(std::string_view address, bool hidden = false) override;

    // ShellExecuteW "open" on the address.
    static bool OpenWithShell(const std::wstring& address);

private:
    std::wstring progId_;
    DefaultBrowser defaultBrowser_;
};

} // namespace varnel::win32
