#include <filesystem>
#include <system_error>

#include "platform/native_path.h"
#include "settings/executable_path.h"

namespace varnel::settings {

Text ExecutablePath() {
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? Text() : platform::TextFromPath(path);
}

} // namespace varnel::settings
