// Dotted IPv4 text of an address value, and texts reversed by bytes or by byte pairs.
#include <string>

#include "encoding/converter_steps.h"
#include "encoding/encoding_converter.h"

namespace varnel::encoding {

using detail::AsText;

Text EncodingConverter::IntegerToIpv4(std::int64_t value) const {
    // Compared as magnitudes without negating, which would overflow for the lowest value.
    if (value > 4294967295LL || value < -4294967295LL) {
        return "255.255.255.255";
    }
    const auto address = static_cast<std::uint64_t>(value);
    Text out;
    for (unsigned shift = 0; shift < 32; shift += 8) {
        if (shift != 0) {
            out += '.';
        }
        out += std::to_string((address >> shift) & 0xFF);
    }
    return out;
}

Text EncodingConverter::ReverseText(std::string_view source) const {
    const std::string_view text = AsText(source);
    return Text(text.rbegin(), text.rend());
}

Text EncodingConverter::ReverseByPairs(std::string_view source) const {
    const std::string_view text = AsText(source);
    // Pair k of the result is the pair that ends k pairs before the end of the source, in its
    // original order; a first byte without a partner is left out.
    Text out;
    out.reserve(text.size());
    for (std::size_t end = text.size(); end >= 2; end -= 2) {
        out += text[end - 2];
        out += text[end - 1];
    }
    return out;
}

} // namespace varnel::encoding
