#include "app/win32/file_dialogs.h"

#include <cderr.h>
#include <commdlg.h>
#include <shlobj.h>

#include "app/batch_texts.h"
#include "app/win32/wide_text.h"

namespace varnel::win32 {

namespace {

// The browser's callback: its only job is to preselect the start folder, handed over in lParam
// (not a program-wide variable, so that a second browser opened meanwhile has its own).
int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED) {
        const auto* start = reinterpret_cast<const std::wstring*>(data);
        if (start && !start->empty()) {
            SendMessageW(browser, BFFM_SETSELECTIONW, TRUE,
                         reinterpret_cast<LPARAM>(start->c_str()));
        }
    }
    return 0;
}

// Longer than MAX_PATH where the system allows it.
std::filesystem::path PathOfItem(PCIDLIST_ABSOLUTE item) {
    std::wstring path(32768, L'\0');
    if (!SHGetPathFromIDListEx(item, path.data(), static_cast<DWORD>(path.size()),
                               GPFIDL_DEFAULT)) {
        path.assign(MAX_PATH, L'\0');
        if (!SHGetPathFromIDListW(item, path.data())) {
            return {}; // an item without a file-system path
        }
    }
    path.resize(path.find(L'\0'));
    return path;
}

} // namespace

std::wstring DialogFilter(std::string_view gbkFilter) {
    std::wstring filter = WideFromGbk(gbkFilter);
    for (wchar_t& c : filter) {
        if (c == L'|') {
            c = L'\0';
        }
    }
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    return filter;
}

std::vector<std::filesystem::path> SelectedPaths(std::wstring_view buffer, std::size_t nameOffset) {
    std::vector<std::filesystem::path> paths;
    const std::size_t firstEnd = buffer.find(L'\0');
    if (firstEnd == std::wstring_view::npos || firstEnd == 0) {
        return paths;
    }
    const std::wstring_view first = buffer.substr(0, firstEnd);
    // One file: the offset points into the full path. Several: it points past the folder's zero.
    if (nameOffset <= firstEnd) {
        paths.emplace_back(first);
        return paths;
    }
    const std::filesystem::path folder(first);
    for (std::size_t start = firstEnd + 1; start < buffer.size();) {
        const std::size_t end = buffer.find(L'\0', start);
        if (end == start || end == std::wstring_view::npos) {
            break;
        }
        paths.push_back(folder / std::filesystem::path(buffer.substr(start, end - start)));
        start = end + 1;
    }
    return paths;
}

app::FileChoice CommonFileDialogs::ChooseFilesToOpen(const app::FileOpenSettings& settings) {
    const std::wstring title = WideFromGbk(settings.title);
    const std::wstring filter = DialogFilter(settings.filter);
    const std::wstring initialFolder = settings.initialFolder.native();
    std::wstring buffer(selectionRoom_, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST |
                   OFN_HIDEREADONLY;

    app::FileChoice choice;
    if (!GetOpenFileNameW(&dialog)) {
        // Zero is the user's cancel; a selection larger than the buffer must not pass for one.
        choice.outcome = CommDlgExtendedError() == FNERR_BUFFERTOOSMALL
                             ? app::FileChoice::Outcome::kTooMany
                             : app::FileChoice::Outcome::kCancelled;
        return choice;
    }
    choice.paths = SelectedPaths(buffer, dialog.nFileOffset);
    choice.outcome = choice.paths.empty() ? app::FileChoice::Outcome::kCancelled
                                          : app::FileChoice::Outcome::kChosen;
    return choice;
}

std::filesystem::path CommonFileDialogs::ChooseFolder(const app::FolderBrowseSettings& settings) {
    const std::wstring title =
        WideFromGbk(settings.title.empty() ? app::DefaultFolderDialogTitle() : settings.title);
    const std::wstring start = settings.startFolder.native();
    wchar_t displayName[MAX_PATH] = {};

    BROWSEINFOW browse{};
    browse.hwndOwner = nullptr;
    browse.pidlRoot = nullptr;
    browse.pszDisplayName = displayName;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = (settings.editBox ? BIF_EDITBOX : 0u) |
                     (settings.newStyle ? BIF_NEWDIALOGSTYLE : 0u) |
                     (settings.showFiles ? BIF_BROWSEINCLUDEFILES : 0u);
    browse.lpfn = BrowseCallback;
    browse.lParam = reinterpret_cast<LPARAM>(&start);

    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&browse);
    if (!item) {
        return {};
    }
    std::filesystem::path folder = PathOfItem(item);
    CoTaskMemFree(item);
    return folder;
}

} // namespace varnel::win32
