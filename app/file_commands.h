// The two batch commands of the main window: "选择文件处理" deduplicates the files chosen in the
// file-open dialog, "  选择文件夹处理" every file directly in a chosen folder whose name matches
// the pattern in 编辑框文件类型. Each file goes through DeduplicateFileInPlace with the encoding
// and separator chosen when its turn comes; a progress text shows which file is in hand, a
// summary and a message box close the run.
//
// Files that could not be processed are not reported as success: the summary gets a line for
// each, with its title and the reason, and the message box says how many there were. When the
// window is closed during a run, the file in hand is finished, no further file is touched and
// nothing more is written into the window.
#pragma once

#include <filesystem>

#include "app/batch_view.h"
#include "app/file_dialogs.h"

namespace varnel::app {

class FileCommands {
public:
    FileCommands(BatchView& view, FileDialogs& dialogs) : view_(view), dialogs_(dialogs) {}

    // Both may run nested inside a running command (the pump dispatches a second click); every
    // run keeps its own list and counters.
    void ProcessChosenFiles();
    void ProcessFolder();

    // The folder chosen last in this run of the program, preselected in the next browse.
    [[nodiscard]] const std::filesystem::path& RememberedFolder() const {
        return rememberedFolder_;
    }

private:
    BatchView& view_;
    FileDialogs& dialogs_;
    std::filesystem::path rememberedFolder_;
};

} // namespace varnel::app
