// Marks that make a file hard to rewrite, for tests of the code that must leave such files alone:
// write protection everywhere, the hidden and system attributes on Windows, and a file held open
// without sharing, as another program may hold it on Windows.
#pragma once

#include <filesystem>

namespace varnel::test {

enum class FileMark { kReadOnly, kHidden, kSystem };

// False when the platform has no such mark (hidden and system elsewhere than on Windows) or it
// could not be set.
bool MarkFile(const std::filesystem::path& path, FileMark mark);

// Windows: the file open for writing with no sharing while the object lives, so that no one else
// can open it. Elsewhere it holds nothing (held() is false).
class ExclusiveOpen {
public:
    explicit ExclusiveOpen(const std::filesystem::path& path);
    ~ExclusiveOpen();
    ExclusiveOpen(const ExclusiveOpen&) = delete;
    ExclusiveOpen& operator=(const ExclusiveOpen&) = delete;
    [[nodiscard]] bool held() const { return handle_ != nullptr; }

private:
    void* handle_ = nullptr;
};

} // namespace varnel::test
