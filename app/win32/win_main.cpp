// Varnel.exe: OLE for the banner's browser automation, the program-wide objects, the main window
// and its message loop; the objects are destroyed after the loop, OLE released last.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include "app/application.h"
#include "app/file_commands.h"
#include "app/win32/automation_browser.h"
#include "app/win32/file_dialogs.h"
#include "app/win32/main_window.h"
#include "app/win32/message_pump.h"
#include "app/win32/wide_text.h"
#include "app/window_settings.h"
#include "settings/executable_path.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    using namespace varnel;
    // The common controls 6 of the manifest: controls drawn in the system's visual style.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // Without OLE the banner's browser automation is lost (the default browser remains), and the
    // folder browser may not open in its new style.
    const bool oleReady = SUCCEEDED(OleInitialize(nullptr));
    int exitCode = 0;
    {
        app::Application application(app::SettingsFilePath(settings::ExecutablePath()));
        win32::AutomationBrowser browser;
        win32::MainWindow window(application.Settings(), browser);
        if (window.Create()) {
            // The two file buttons: the batch commands over the real dialogs, which need the
            // window as the file dialog's owner.
            win32::CommonFileDialogs dialogs(window.Handle());
            app::FileCommands files(window, dialogs);
            window.Commands().BindFileButtons([&files] { files.ProcessChosenFiles(); },
                                              [&files] { files.ProcessFolder(); });
            window.Show(showCommand);
            exitCode = win32::RunMessageLoop(window.Handle());
        } else {
            const std::wstring text = win32::WideFromUtf8(u8"无法创建主窗口，Varnel 无法启动。");
            MessageBoxW(nullptr, text.c_str(), L"Varnel", MB_OK | MB_ICONERROR);
            exitCode = 1;
        }
    }
    if (oleReady) {
        OleUninitialize();
    }
    return exitCode;
}
