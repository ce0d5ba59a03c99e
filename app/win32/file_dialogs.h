// The Win32 file-open dialog with multiple selection and the shell's folder browser behind
// FileDialogs. Wide APIs throughout: paths outside code page 936 survive, and the GBK titles and
// filter are converted with our own tables, so they show the same on any Windows locale.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/file_dialogs.h"

namespace varnel::win32 {

class CommonFileDialogs final : public app::FileDialogs {
public:
    // Room for the folder and the names of a selection, in UTF-16 code units: thousands of
    // files. A selection that does not fit comes back as FileChoice::Outcome::kTooMany (Windows
    // reports it; Wine checks only a single file and copies a larger selection unchecked).
    static constexpr std::size_t kSelectionRoom = std::size_t{1} << 20;

    // `owner`: the window the file-open dialog is modal to. The folder browser has no owner, so
    // the window stays usable while it is open.
    explicit CommonFileDialogs(HWND owner, std::size_t selectionRoom = kSelectionRoom)
        : owner_(owner), selectionRoom_(selectionRoom) {}

    [[nodiscard]] app::FileChoice ChooseFilesToOpen(const app::FileOpenSettings& settings) override;
    [[nodiscard]] std::filesystem::path
    ChooseFolder(const app::FolderBrowseSettings& settings) override;

private:
    HWND owner_;
    std::size_t selectionRoom_;
};

// "TXT文件|*.txt|..." as the dialog wants it: pairs separated by zeros, two zeros at the end.
[[nodiscard]] std::wstring DialogFilter(std::string_view gbkFilter);

// The paths in the dialog's result buffer: one full path, or the folder followed by each name,
// each ended by a zero and the list by a second zero. `nameOffset` is the dialog's nFileOffset.
[[nodiscard]] std::vector<std::filesystem::path> SelectedPaths(std::wstring_view buffer,
                                                               std::size_t nameOffset);

} // namespace varnel::win32
