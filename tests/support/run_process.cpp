#include "tests/support/run_process.h"

namespace varnel::test {

std::string ProgramPath(std::string_view cmakePath) {
#ifdef _WIN32
    if (!cmakePath.empty() && cmakePath.front() == '/') {
        std::string path = "Z:";
        for (char c : cmakePath) {
            path += c == '/' ? '\\' : c;
        }
        return path;
    }
#endif
    return std::string(cmakePath);
}

} // namespace varnel::test
