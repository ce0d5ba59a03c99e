#include "encoding/converter_steps.h"

#include "encoding/byte_buffer.h"

namespace varnel::encoding::detail {

Bytes ToUnicode(CodePage cp, std::string_view bytes, std::size_t zeroUnits) {
    // A terminating zero always decodes alone to a zero unit (a lead byte before it gives "?" on
    // its own), so the zero units are the last of the zeroed buffer.
    const std::size_t units = Utf16UnitCount(cp, bytes) + zeroUnits;
    Bytes unicode = ZeroBytes(static_cast<std::int64_t>(2 * units));
    MultiByteToUtf16Le(cp, bytes, unicode);
    return unicode;
}

Text UnicodeToTextOf(CodePage cp, std::span<const std::uint8_t> unicode) {
    // An odd last byte takes no part (see Utf16LeToMultiByte).
    const std::size_t size = MultiByteCount(cp, unicode);
    Text out = SpaceText(static_cast<std::int64_t>(size));
    Utf16LeToMultiByte(cp, unicode, out, '\0');
    // In place: the result is never copied.
    const std::size_t zero = out.find('\0');
    if (zero != Text::npos) {
        out.resize(zero);
    }
    return out;
}

} // namespace varnel::encoding::detail
