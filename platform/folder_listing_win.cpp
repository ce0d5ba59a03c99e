// FindFirstFileExW / FindNextFileW. The names that Windows yields are checked once more against
// the pattern by our own rules: Windows also matches 8.3 aliases, so "*.txt" would find
// "a.txtx" there but not elsewhere.
#include "platform/folder_listing.h"

#include <windows.h>

#include <string>

#include "platform/wildcard.h"

namespace varnel::platform {

namespace {

FileError LastError(FileStep step) {
    const DWORD code = GetLastError();
    return FileError{step, static_cast<int>(code), SystemErrorMessage(static_cast<int>(code))};
}

std::u16string_view Units(const std::wstring& text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

} // namespace

FolderListing FindFiles(const std::filesystem::path& folder, const std::filesystem::path& pattern) {
    FolderListing listing;
    listing.folder = folder;
    if (pattern.empty()) {
        return listing;
    }
    const std::wstring search = folder.native() + L"\\" + pattern.native();
    const std::size_t cut = search.find_last_of(L"\\/");
    const std::wstring namePattern = search.substr(cut + 1);
    listing.folder = search.substr(0, cut);
    // "C:\" + "\" + pattern looked in "C:\"; cutting at the last separator leaves "C:".
    if (listing.folder.native().size() == 2 && listing.folder.native()[1] == L':') {
        listing.folder += L"\\";
    }
    if (namePattern.empty()) {
        return listing;
    }

    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileExW(search.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                   nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        // No match at all is an empty folder listing, not a failure.
        if (GetLastError() != ERROR_FILE_NOT_FOUND && GetLastError() != ERROR_NO_MORE_FILES) {
            listing.error = LastError(FileStep::kOpen);
        }
        return listing;
    }
    do {
        const std::wstring name = data.cFileName;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            MatchesWildcard(Units(name), Units(namePattern))) {
            listing.names.emplace_back(name);
        }
    } while (FindNextFileW(find, &data));
    if (GetLastError() != ERROR_NO_MORE_FILES) {
        listing.error = LastError(FileStep::kRead);
        listing.names.clear();
    }
    FindClose(find);
    return listing;
}

} // namespace varnel::platform
