#include <cstring>
#include <string>

#include "platform/file_io.h"

namespace varnel::platform {

std::string SystemErrorMessage(int code) {
    char buffer[256];
    // GNU strerror_r returns the message, which may or may not live in the buffer.
    const char* message = strerror_r(code, buffer, sizeof buffer);
    return message ? message : "unknown error " + std::to_string(code);
}

} // namespace varnel::platform
