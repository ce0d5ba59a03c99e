// Opens a web page in a new window of the system's browser. The Win32 program drives the browser
// by COM automation and falls back to the default browser; tests inject a recorder, so that no
// real browser ever starts in a test.
#pragma once

#include <string_view>

namespace varnel::app {

class BrowserOpener {
public:
    virtual ~BrowserOpener() = default;
    // Opens `address` (GBK) in a new browser window, kept hidden when `hidden` is true. True when
    // the navigation was handed over; failures are never shown to the user.
    virtual bool OpenPageInBrowser(std::string_view address, bool hidden = false) = 0;
};

} // namespace varnel::app
