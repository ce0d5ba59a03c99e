#include "encoding/converter_steps.h"

#include "encoding/byte_buffer.h"

namespace varnel::encoding::detail {

Bytes TerminatedToUnicode(CodePage cp, std::string_view text) {
    // The terminating zero always decodes alone to a zero unit (a lead byte before it gives "?"
    // on its own), so it is the last unit of the zeroed buffer.
    const std::size_t units = Utf16UnitCount(cp, text) + 1;
    Bytes unicode = ZeroBytes(static_cast<std::int64_t>(2 * units));
    MultiByteToUtf16Le(cp, text, unicode);
    return unicode;
}

Text UnicodeToTextOf(CodePage cp, std::span<const std::uint8_t> unicode) {
    const auto units = unicode.first(ByteCount(unicode) / 2 * 2);
    const std::size_t size = MultiByteCount(cp, units);
    Text out = SpaceText(static_cast<std::int64_t>(size));
    Utf16LeToMultiByte(cp, units, out, '\0');
    // In place: the result is never copied.
    const std::size_t zero = out.find('\0');
    if (zero != Text::npos) {
        out.resize(zero);
    }
    return out;
}

} // namespace varnel::encoding::detail
