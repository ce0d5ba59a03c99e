// Dispatch of the code-page conversions to the table-driven double-byte codec and the UTF-8 codec.
#include "encoding/code_page.h"

#include "encoding/dbcs_codec.h"
#include "encoding/unit_streams.h"
#include "encoding/utf8_codec.h"

namespace varnel::encoding {
namespace {

using detail::ByteCounter;
using detail::ByteWriter;
using detail::UnitCounter;
using detail::Utf16LeUnits;
using detail::Utf16LeWriter;
using detail::Utf16Units;
using detail::Utf16Writer;

const tables::DbcsTable& DbcsTableOf(CodePage cp) {
    return cp == CodePage::kBig5 ? tables::kCp950 : tables::kCp936;
}

template <class Sink> void Decode(CodePage cp, std::string_view bytes, Sink& sink) {
    if (cp == CodePage::kUtf8) {
        detail::DecodeUtf8(bytes, sink);
    } else {
        detail::DecodeDbcs(DbcsTableOf(cp), bytes, sink);
    }
}

template <class Units, class Sink>
void Encode(CodePage cp, const Units& units, char defaultChar, Sink& sink) {
    if (cp == CodePage::kUtf8) {
        detail::EncodeUtf8(units, sink);
    } else {
        detail::EncodeDbcs(DbcsTableOf(cp), units, static_cast<std::uint8_t>(defaultChar), sink);
    }
}

} // namespace

std::size_t Utf16UnitCount(CodePage cp, std::string_view bytes) {
    UnitCounter counter;
    Decode(cp, bytes, counter);
    return counter.Count();
}

std::size_t MultiByteToUtf16Le(CodePage cp, std::string_view bytes, std::span<std::uint8_t> out) {
    Utf16LeWriter writer(out);
    Decode(cp, bytes, writer);
    return writer.Count();
}

std::size_t MultiByteCount(CodePage cp, std::span<const std::uint8_t> utf16le) {
    ByteCounter counter;
    Encode(cp, Utf16LeUnits(utf16le), '?', counter);
    return counter.Count();
}

std::size_t Utf16LeToMultiByte(CodePage cp, std::span<const std::uint8_t> utf16le,
                               std::span<char> out, char defaultChar) {
    ByteWriter writer(out);
    Encode(cp, Utf16LeUnits(utf16le), defaultChar, writer);
    return writer.Count();
}

std::u16string MultiByteToUtf16(CodePage cp, std::string_view bytes) {
    UnitCounter counter;
    Decode(cp, bytes, counter);
    std::u16string result(counter.Count(), u'\0');
    Utf16Writer writer(result);
    Decode(cp, bytes, writer);
    return result;
}

std::string Utf16ToMultiByte(CodePage cp, std::u16string_view units, char defaultChar) {
    ByteCounter counter;
    Encode(cp, Utf16Units(units), defaultChar, counter);
    std::string result(counter.Count(), '\0');
    ByteWriter writer(result);
    Encode(cp, Utf16Units(units), defaultChar, writer);
    return result;
}

} // namespace varnel::encoding
