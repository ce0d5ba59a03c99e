#include "tests/support/file_marks.h"

#include <windows.h>

namespace varnel::test {

bool MarkFile(const std::filesystem::path& path, FileMark mark) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    const DWORD added = mark == FileMark::kReadOnly ? FILE_ATTRIBUTE_READONLY
                        : mark == FileMark::kHidden ? FILE_ATTRIBUTE_HIDDEN
                                                    : FILE_ATTRIBUTE_SYSTEM;
    return SetFileAttributesW(path.c_str(), (attributes & ~FILE_ATTRIBUTE_NORMAL) | added) != 0;
}

ExclusiveOpen::ExclusiveOpen(const std::filesystem::path& path) {
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    handle_ = handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

ExclusiveOpen::~ExclusiveOpen() {
    if (handle_) {
        CloseHandle(handle_);
    }
}

} // namespace varnel::test
