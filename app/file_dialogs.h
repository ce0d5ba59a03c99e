// The file-open dialog with multiple selection and the folder browser, behind an interface so
// that the batch commands can be tested without a window. Texts are GBK; paths are native, so
// names outside code page 936 survive.
#pragma once

#include <filesystem>
#include <vector>

#include "base/text.h"

namespace varnel::app {

struct FileOpenSettings {
    Text title;
    // Pairs of description and pattern separated by "|": "TXT文件|*.txt|INI文件|*.ini|...". The
    // first pair is active when the dialog opens.
    Text filter;
    // Empty: the folder that the platform's dialog chooses by itself.
    std::filesystem::path initialFolder;
};

struct FileChoice {
    enum class Outcome {
        kChosen,
        kCancelled,
        kTooMany, // the selection did not fit the dialog's buffer: nothing was handed over
    };
    Outcome outcome = Outcome::kCancelled;
    // Full paths in the order the dialog gives them; for several files the folder joined with
    // each name. Every chosen file and its folder exist.
    std::vector<std::filesystem::path> paths;
};

struct FolderBrowseSettings {
    std::filesystem::path startFolder; // preselected when the browser opens; empty: none
    Text title;                        // empty: 请选择一个文件夹
    bool showFiles = false;
    bool editBox = true;
    bool newStyle = true;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    [[nodiscard]] virtual FileChoice ChooseFilesToOpen(const FileOpenSettings& settings) = 0;
    // The chosen folder; empty when the browser was cancelled or the item chosen has no
    // file-system path.
    [[nodiscard]] virtual std::filesystem::path
    ChooseFolder(const FolderBrowseSettings& settings) = 0;
};

} // namespace varnel::app
