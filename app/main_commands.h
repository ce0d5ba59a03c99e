// The event bindings of the main window: what runs when the window has been created, when it is
// asked to close, when a button is clicked and when the banner is pressed. The Win32 window hands
// each event here; the two file buttons call whatever is bound to them with BindFileButtons.
#pragma once

#include <chrono>
#include <functional>

#include "app/browser_opener.h"
#include "app/clipboard.h"
#include "app/main_view.h"
#include "app/text_commands.h"
#include "settings/settings_store.h"

namespace varnel::app {

enum class MouseButton { kLeft, kRight, kMiddle };

class MainCommands {
public:
    MainCommands(MainView& view, Clipboard& clipboard, settings::SettingsStore& store,
                 BrowserOpener& browser,
                 std::chrono::milliseconds yieldInterval = std::chrono::milliseconds(10))
        : view_(view), store_(store), browser_(browser), text_(view, clipboard, yieldInterval) {}

    // The window and all its controls exist: the remembered settings are restored.
    void OnCreated();
    // A close request (close button, system menu, Alt+F4) or the end of the session: the
    // settings are saved. The close is never vetoed.
    void OnCloseRequested();
    // A click on one of the window's buttons; other controls are ignored.
    void OnClicked(settings::ControlId control);
    // A mouse button pressed on the banner: the left one opens the home page.
    void OnBannerPressed(MouseButton button);

    // What "选择文件处理" and "  选择文件夹处理" run; unbound buttons do nothing.
    void BindFileButtons(std::function<void()> chooseFiles, std::function<void()> chooseFolder);

private:
    MainView& view_;
    settings::SettingsStore& store_;
    BrowserOpener& browser_;
    TextCommands text_;
    std::function<void()> chooseFiles_;
    std::function<void()> chooseFolder_;
};

} // namespace varnel::app
