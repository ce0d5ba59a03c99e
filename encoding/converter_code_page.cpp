// The six conversions between code page 936, UTF-16LE and UTF-8. Each sizes its result with a
// first call and converts into a buffer of exactly that size with a second, as the program did
// with the Windows API; composites call their parts through the same object.
#include "encoding/byte_buffer.h"
#include "encoding/code_page.h"
#include "encoding/converter_steps.h"
#include "encoding/encoding_converter.h"

namespace varnel::encoding {
namespace {

using detail::AsText;
using detail::ToUnicode;
using detail::UnicodeToTextOf;

} // namespace

Bytes EncodingConverter::AnsiToUnicode(std::string_view text) const {
    if (AsText(text).empty())
        return {};
    return ToUnicode(CodePage::kGbk, AsText(text), 1);
}

Text EncodingConverter::UnicodeToAnsi(std::span<const std::uint8_t> unicode) const {
    return UnicodeToTextOf(CodePage::kGbk, unicode);
}

Bytes EncodingConverter::Utf8ToUnicode(std::span<const std::uint8_t> utf8) const {
    return ToUnicode(CodePage::kUtf8, AsChars(utf8));
}

Bytes EncodingConverter::UnicodeToUtf8(std::span<const std::uint8_t> unicode) const {
    // An odd last byte takes no part (see Utf16LeToMultiByte).
    const std::size_t size = MultiByteCount(CodePage::kUtf8, unicode);
    Bytes utf8 = ZeroBytes(static_cast<std::int64_t>(size));
    Utf16LeToMultiByte(CodePage::kUtf8, unicode,
                       std::span(reinterpret_cast<char*>(utf8.data()), utf8.size()));
    return utf8;
}

Bytes EncodingConverter::AnsiToUtf8(std::string_view text) const {
    return UnicodeToUtf8(AnsiToUnicode(text));
}

Text EncodingConverter::Utf8ToAnsi(std::span<const std::uint8_t> utf8) const {
    return UnicodeToAnsi(Utf8ToUnicode(utf8));
}

} // namespace varnel::encoding
