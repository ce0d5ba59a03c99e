// Hexadecimal texts to bytes and numbers and back. Reading reduces modulo 2^32 with unsigned
// arithmetic, which is exact however many digits there are.
#include <cmath>

#include "base/gbk_text.h"
#include "base/hex_digit.h"
#include "base/number_text.h"
#include "encoding/converter_steps.h"
#include "encoding/encoding_converter.h"

namespace varnel::encoding {
namespace {

using detail::AsText;

std::int32_t FromModular(std::uint32_t value) {
    return static_cast<std::int32_t>(value);
}

// Digits of a power-of-two radix after lower-casing; a byte that is no digit counts 0 but keeps
// its weight, as the other bytes of a mixed text do.
std::int32_t ReadDigits(std::string_view lower, std::uint32_t radix) {
    std::uint32_t value = 0;
    for (const char c : lower) {
        int digit = HexDigitValue(c);
        if (digit < 0 || static_cast<std::uint32_t>(digit) >= radix || (c >= 'A' && c <= 'F')) {
            digit = 0;
        }
        value = value * radix + static_cast<std::uint32_t>(digit);
    }
    return FromModular(value);
}

// The double truncated toward zero and reduced modulo 2^32; fmod is exact, so large values
// reduce exactly as well. Infinity has no such value and gives 0.
std::int32_t ReadDecimal(std::string_view lower) {
    const double value = std::trunc(ParseLeadingNumber(lower));
    if (!std::isfinite(value)) {
        return 0;
    }
    const double reduced = std::fmod(value, 4294967296.0);
    return FromModular(static_cast<std::uint32_t>(static_cast<std::int64_t>(reduced)));
}

} // namespace

Bytes EncodingConverter::HexToBytes(std::string_view source) const {
    const std::string_view text = AsText(source);
    Bytes out;
    out.reserve((text.size() + 1) / 2);
    for (std::size_t pos = 0; pos < text.size(); pos += 2) {
        const std::int32_t value = TextToInteger(text.substr(pos, 2), NumberKind::kHexadecimal);
        out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    }
    return out;
}

std::int32_t EncodingConverter::TextToInteger(std::string_view source, NumberKind kind) const {
    const Text lower = gbk::AsciiLower(AsText(source));
    switch (kind) {
    case NumberKind::kHexadecimal:
        return ReadDigits(lower, 16);
    case NumberKind::kDecimal:
        return ReadDecimal(lower);
    case NumberKind::kOctal:
        return ReadDigits(lower, 8);
    case NumberKind::kBinary:
        return ReadDigits(lower, 2);
    }
    return 0;
}

Text EncodingConverter::BytesToHex(std::span<const std::uint8_t> source) const {
    Text out;
    out.reserve(2 * source.size());
    for (const std::uint8_t b : source) {
        if (b >= 16) {
            out += kUpperHexDigits[b >> 4];
        }
        out += kUpperHexDigits[b & 15];
    }
    return out;
}

} // namespace varnel::encoding
