#include "app/main_commands.h"

#include "app/main_controls.h"
#include "app/window_settings.h"
#include "app/window_texts.h"

namespace varnel::app {

namespace {

// A copy runs, so that a command that binds the buttons anew cannot pull it from under itself.
void RunBound(const std::function<void()>& bound) {
    if (bound) {
        const std::function<void()> run = bound;
        run();
    }
}

} // namespace

void MainCommands::OnCreated() {
    RestoreWindowSettings(store_, view_.Controls());
}

void MainCommands::OnCloseRequested() {
    SaveWindowSettings(store_, view_.Controls());
}

void MainCommands::OnClicked(settings::ControlId control) {
    switch (control) {
    case control::kPasteButton:
        text_.Paste();
        break;
    case control::kProcessButton:
        text_.Process();
        break;
    case control::kCopyButton:
        text_.Copy();
        break;
    case control::kFilesButton:
        RunBound(chooseFiles_);
        break;
    case control::kFolderButton:
        RunBound(chooseFolder_);
        break;
    default:
        break;
    }
}

void MainCommands::OnBannerPressed(MouseButton button) {
    if (button == MouseButton::kLeft) {
        // A page that does not open is not reported: the banner is only a link.
        (void)browser_.OpenPageInBrowser(HomePageAddress());
    }
}

void MainCommands::BindFileButtons(std::function<void()> chooseFiles,
                                   std::function<void()> chooseFolder) {
    chooseFiles_ = std::move(chooseFiles);
    chooseFolder_ = std::move(chooseFolder);
}

} // namespace varnel::app
