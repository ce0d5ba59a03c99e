// Our own enumeration with the Windows wildcard rules: POSIX has no pattern search of its own
// with case-insensitive letters.
#include "platform/folder_listing.h"

#include <cerrno>
#include <dirent.h>
#include <string>
#include <sys/stat.h>

#include "platform/wildcard.h"

namespace varnel::platform {

namespace {

bool IsFolder(const std::string& folder, const dirent& entry) {
    if (entry.d_type == DT_DIR) {
        return true;
    }
    if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK) {
        return false;
    }
    // A link to a folder counts as a folder, as Windows lists it; a broken link is a file.
    struct stat info {};
    return stat((folder + "/" + entry.d_name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

FolderListing FindFiles(const std::filesystem::path& folder, const std::filesystem::path& pattern) {
    FolderListing listing;
    listing.folder = folder;
    if (pattern.empty()) {
        return listing;
    }
    const std::string search = folder.native() + "/" + pattern.native();
    const std::size_t cut = search.rfind('/');
    const std::string where = cut == 0 ? "/" : search.substr(0, cut);
    const std::string namePattern = search.substr(cut + 1);
    listing.folder = where;
    if (namePattern.empty()) {
        return listing;
    }

    DIR* dir = opendir(where.c_str());
    if (!dir) {
        const int code = errno;
        listing.error = FileError{FileStep::kOpen, code, SystemErrorMessage(code)};
        return listing;
    }
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(dir);
        if (!entry) {
            if (errno != 0) {
                const int code = errno;
                listing.error = FileError{FileStep::kRead, code, SystemErrorMessage(code)};
                listing.names.clear();
            }
            break;
        }
        const std::string_view name = entry->d_name;
        if (name == "." || name == ".." || !MatchesWildcard(name, namePattern) ||
            IsFolder(where, *entry)) {
            continue;
        }
        listing.names.emplace_back(std::string(name));
    }
    closedir(dir);
    return listing;
}

} // namespace varnel::platform
