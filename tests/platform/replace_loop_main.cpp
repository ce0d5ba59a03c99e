// Test child: replaces the content of argv[1] again and again, alternating between two contents
// of argv[2] bytes ("A..." and "B..."), until it is killed.
#include <cstdlib>
#include <string>

#include "platform/file_io.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    const std::size_t size = std::strtoul(argv[2], nullptr, 10);
    const varnel::Bytes contents[2] = {varnel::Bytes(size, 'A'), varnel::Bytes(size, 'B')};
    for (unsigned i = 0;; ++i) {
        if (varnel::platform::ReplaceFileContent(argv[1], contents[i % 2])) {
            return 1;
        }
    }
}
