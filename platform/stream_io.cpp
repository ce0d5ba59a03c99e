#include "platform/stream_io.h"

#include <new>
#include <stdexcept>

namespace varnel::platform::detail {

ReadResult ReadToEnd(NativeHandle handle, std::size_t sizeHint) {
    ReadResult result;
    try {
        result.content.resize(sizeHint > 0 ? sizeHint : 1 << 16);
        std::size_t filled = 0;
        for (;;) {
            if (filled == result.content.size()) {
                result.content.resize(result.content.size() * 2);
            }
            const ReadStep step =
                ReadSome(handle, result.content.data() + filled, result.content.size() - filled);
            if (step.error) {
                result.content.clear();
                result.error = step.error;
                return result;
            }
            if (step.count == 0) {
                break;
            }
            filled += step.count;
        }
        result.content.resize(filled);
        // A file read with its size known fits exactly; only a grown buffer (a pipe) is trimmed,
        // since trimming copies the whole content once more.
        if (result.content.capacity() - filled > filled / 8) {
            result.content.shrink_to_fit();
        }
    } catch (const std::bad_alloc&) {
        result.content = Bytes();
        result.error = OutOfMemoryError();
    } catch (const std::length_error&) {
        result.content = Bytes();
        result.error = OutOfMemoryError();
    }
    return result;
}

} // namespace varnel::platform::detail
