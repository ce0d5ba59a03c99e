// Numbers between integers and digit texts. ConvertRadix works on numbers of any length with
// 32-bit limbs, so its result is exact beyond what fits in a machine word; the readers reduce
// modulo 2^32 with unsigned arithmetic, which is exact for any number of digits.
#include <cstdint>
#include <vector>

#include "base/gbk_text.h"
#include "base/hex_digit.h"
#include "encoding/converter_steps.h"
#include "encoding/encoding_converter.h"
#include "encoding/radix_conversion.h"

namespace varnel::encoding {
namespace {

using detail::AsText;

constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// GBK text pieces of the invalid-digit message, as hex escapes (see radix_conversion.h).
constexpr std::string_view kParameterError = "\xB2\xCE\xCA\xFD\xB4\xED\xCE\xF3\x2D";
constexpr std::string_view kIsNotAValid =
    "\xB2\xBB\xCA\xC7\xD2\xBB\xB8\xF6\xD3\xD0\xD0\xA7\xB5\xC4";
constexpr std::string_view kRadixNumber = "\xBD\xF8\xD6\xC6\xCA\xFD\xA3\xA1";
// 一 二 三 四 五 六 七 八 九, then 十.
constexpr std::string_view kNumeralDigits = "\xD2\xBB\xB6\xFE\xC8\xFD\xCB\xC4\xCE\xE5\xC1\xF9"
                                            "\xC6\xDF\xB0\xCB\xBE\xC5";
constexpr std::string_view kTen = "\xCA\xAE";

int DigitValue(char c) {
    const std::size_t index = kDigits.find(c);
    return index == std::string_view::npos ? -1 : static_cast<int>(index);
}

// The largest power of `base` below 2^32 and its exponent: the number of digits one limb step
// takes at a time.
struct Chunk {
    std::uint32_t power = 1;
    std::size_t digits = 0;
};

Chunk ChunkOf(std::uint32_t base) {
    Chunk chunk;
    while (static_cast<std::uint64_t>(chunk.power) * base <= 0xFFFFFFFFu) {
        chunk.power *= base;
        ++chunk.digits;
    }
    return chunk;
}

using Limbs = std::vector<std::uint32_t>; // least significant first, no leading zero limbs

void MultiplyAdd(Limbs& number, std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::uint32_t& limb : number) {
        const std::uint64_t value = static_cast<std::uint64_t>(limb) * factor + carry;
        limb = static_cast<std::uint32_t>(value);
        carry = value >> 32;
    }
    if (carry != 0) {
        number.push_back(static_cast<std::uint32_t>(carry));
    }
}

std::uint32_t DivideInPlace(Limbs& number, std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (std::size_t i = number.size(); i-- > 0;) {
        const std::uint64_t value = (remainder << 32) | number[i];
        number[i] = static_cast<std::uint32_t>(value / divisor);
        remainder = value % divisor;
    }
    while (!number.empty() && number.back() == 0) {
        number.pop_back();
    }
    return static_cast<std::uint32_t>(remainder);
}

// `digits` holds valid digits of `from`; the result has no leading zeros and is "0" for zero.
Text Rebase(std::string_view digits, std::uint32_t from, std::uint32_t to) {
    const Chunk in = ChunkOf(from);
    Limbs number;
    std::size_t pos = 0;
    while (pos < digits.size()) {
        const std::size_t take =
            pos == 0 && digits.size() % in.digits != 0 ? digits.size() % in.digits : in.digits;
        std::uint32_t factor = 1;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < take; ++i) {
            factor *= from;
            value = value * from + static_cast<std::uint32_t>(DigitValue(digits[pos + i]));
        }
        MultiplyAdd(number, factor, value);
        pos += take;
    }

    const Chunk out = ChunkOf(to);
    Text reversed; // least significant digit first
    while (!number.empty()) {
        std::uint32_t part = DivideInPlace(number, out.power);
        for (std::size_t i = 0; i < out.digits; ++i) {
            reversed += kDigits[part % to];
            part /= to;
        }
    }
    while (reversed.size() > 1 && reversed.back() == '0') {
        reversed.pop_back();
    }
    if (reversed.empty()) {
        reversed = "0";
    }
    return Text(reversed.rbegin(), reversed.rend());
}

// d x 16^k summed from the right is result x 16 + d from the left; unsigned wrap-around keeps
// the sum exact modulo 2^32 even for the negative d of a non-digit.
std::int32_t ReadFromLeft(std::string_view text, std::uint32_t base, auto digitOf) {
    std::uint32_t result = 0;
    for (const char c : text) {
        result = result * base + static_cast<std::uint32_t>(digitOf(c));
    }
    return static_cast<std::int32_t>(result);
}

// Looked up after upper-casing, which leaves the second byte of a double-byte character alone.
int UpperHexDigitOrMinusTwo(char c) {
    const std::size_t index = kUpperHexDigits.find(c);
    return index == std::string_view::npos ? -2 : static_cast<int>(index);
}

int DecimalDigitOrZero(char c) {
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

// The digits of a non-negative value, or of the 64-bit two's complement of a negative one.
Text PowerOfTwoDigits(std::int64_t value, unsigned bits) {
    auto rest = static_cast<std::uint64_t>(value);
    Text reversed;
    while (rest != 0) {
        reversed += kUpperHexDigits[static_cast<std::size_t>(rest & ((1u << bits) - 1))];
        rest >>= bits;
    }
    return Text(reversed.rbegin(), reversed.rend());
}

} // namespace

Text ChineseNumeral(std::int32_t value) {
    if (value < 1 || value > 99) {
        return {};
    }
    const auto digit = [](std::int32_t d) {
        return kNumeralDigits.substr(static_cast<std::size_t>(2 * (d - 1)), 2);
    };
    const std::int32_t tens = value / 10;
    const std::int32_t units = value % 10;
    Text out;
    if (tens > 1) {
        out += digit(tens);
    }
    if (tens > 0) {
        out += kTen;
    }
    if (units > 0) {
        out += digit(units);
    }
    return out;
}

RadixConversion ConvertRadixReporting(std::string_view source, std::int32_t fromBase,
                                      std::int32_t toBase) {
    RadixConversion result;
    if (fromBase < 2 || fromBase > 36 || toBase < 2 || toBase > 36) {
        result.error = RadixError::kBadBase;
        return result;
    }
    const Text normalised = gbk::AsciiUpper(gbk::ToHalfWidth(AsText(source)));
    for (std::size_t pos = 0; pos < normalised.size(); ++pos) {
        const int digit = DigitValue(normalised[pos]);
        if (digit < 0 || digit >= fromBase) {
            result.error = RadixError::kBadDigit;
            result.offset = pos;
            result.diagnostic = Text(kParameterError) + normalised + Text(kIsNotAValid) +
                                ChineseNumeral(fromBase) + Text(kRadixNumber);
            return result;
        }
    }
    if (fromBase == toBase) {
        result.text = normalised;
    } else {
        result.text = Rebase(normalised, static_cast<std::uint32_t>(fromBase),
                             static_cast<std::uint32_t>(toBase));
    }
    return result;
}

Text EncodingConverter::ConvertRadix(std::string_view source, std::int32_t fromBase,
                                     std::int32_t toBase) const {
    return ConvertRadixReporting(source, fromBase, toBase).text;
}

std::int32_t EncodingConverter::BaseTextToInteger(std::string_view source,
                                                  std::int32_t base) const {
    return ReadFromLeft(gbk::AsciiUpper(AsText(source)), static_cast<std::uint32_t>(base),
                        UpperHexDigitOrMinusTwo);
}

std::int32_t EncodingConverter::HexToInteger(std::string_view source) const {
    return ReadFromLeft(gbk::AsciiUpper(AsText(source)), 16, UpperHexDigitOrMinusTwo);
}

Text EncodingConverter::IntegerToHex(std::int64_t value, bool colour) const {
    if (colour) {
        const auto rgb = static_cast<std::uint64_t>(value);
        Text out;
        for (unsigned shift = 0; shift < 24; shift += 8) {
            out += ByteToHex(static_cast<std::int32_t>((rgb >> shift) & 0xFF));
        }
        return out;
    }
    return PowerOfTwoDigits(value, 4);
}

Text EncodingConverter::ByteToHex(std::int32_t value) const {
    Text out;
    AppendHexByte(out, static_cast<std::uint8_t>(value & 0xFF));
    return out;
}

Text EncodingConverter::IntegerToBinary(std::int32_t value) const {
    return value > 0 ? PowerOfTwoDigits(value, 1) : Text();
}

std::int32_t EncodingConverter::BinaryToInteger(std::string_view source) const {
    return ReadFromLeft(AsText(source), 2, DecimalDigitOrZero);
}

Text EncodingConverter::IntegerToOctal(std::int64_t value) const {
    return PowerOfTwoDigits(value, 3);
}

Text EncodingConverter::TrimLeadingZeros(std::string_view source) const {
    const std::string_view text = AsText(source);
    const std::size_t first = text.find_first_not_of('0');
    return first == std::string_view::npos ? Text() : Text(text.substr(first));
}

std::int32_t EncodingConverter::OctalToInteger(std::string_view source) const {
    return ReadFromLeft(AsText(source), 8, DecimalDigitOrZero);
}

} // namespace varnel::encoding
