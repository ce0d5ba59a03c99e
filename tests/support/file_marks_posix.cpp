#include "tests/support/file_marks.h"

#include <sys/stat.h>

namespace varnel::test {

bool MarkFile(const std::filesystem::path& path, FileMark mark) {
    struct stat info {};
    if (mark != FileMark::kReadOnly || stat(path.c_str(), &info) != 0) {
        return false;
    }
    return chmod(path.c_str(), info.st_mode & ~mode_t{0222}) == 0;
}

ExclusiveOpen::ExclusiveOpen(const std::filesystem::path& /*path*/) {}
ExclusiveOpen::~ExclusiveOpen() = default;

} // namespace varnel::test
