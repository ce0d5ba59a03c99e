// Base64 with the standard alphabet and "=" padding. The decoder is deliberately literal: it
// skips nothing and sizes its result from the source length alone, so broken input gives a
// predictable, never over-long result.
#include <array>
#include <string_view>

#include "encoding/encoding_converter.h"

namespace varnel::encoding {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Every byte outside the alphabet, "=" included, reads as 0.
constexpr std::array<std::uint8_t, 256> kReverse = [] {
    std::array<std::uint8_t, 256> table{};
    for (std::size_t i = 0; i < kAlphabet.size(); ++i) {
        table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::uint8_t>(i);
    }
    return table;
}();

} // namespace

Text EncodingConverter::Base64Encode(std::span<const std::uint8_t> source) const {
    const std::size_t n = source.size();
    Text out;
    out.reserve((n + 2) / 3 * 4);
    for (std::size_t i = 0; i < n; i += 3) {
        const unsigned b1 = source[i];
        const unsigned b2 = i + 1 < n ? source[i + 1] : 0u;
        const unsigned b3 = i + 2 < n ? source[i + 2] : 0u;
        out += kAlphabet[b1 >> 2];
        out += kAlphabet[((b1 & 3) << 4) + (b2 >> 4)];
        out += kAlphabet[((b2 & 15) << 2) + (b3 >> 6)];
        out += kAlphabet[b3 & 63];
    }
    const std::size_t padding = n % 3 == 0 ? 0 : 3 - n % 3;
    out.replace(out.size() - padding, padding, padding, '=');
    return out;
}

Bytes EncodingConverter::Base64Decode(std::span<const std::uint8_t> source) const {
    const std::size_t n = source.size();
    if (n == 0) {
        return {};
    }
    // floor(3n / 4), without overflowing for the largest buffers.
    Bytes out(n / 4 * 3 + n % 4 * 3 / 4);
    for (std::size_t i = 0, k = 0; i + 4 <= n; i += 4, k += 3) {
        const unsigned s1 = kReverse[source[i]];
        const unsigned s2 = kReverse[source[i + 1]];
        const unsigned s3 = kReverse[source[i + 2]];
        const unsigned s4 = kReverse[source[i + 3]];
        out[k] = static_cast<std::uint8_t>((s1 << 2) + (s2 >> 4));
        out[k + 1] = static_cast<std::uint8_t>((s2 << 4) + (s3 >> 2));
        out[k + 2] = static_cast<std::uint8_t>((s3 << 6) + s4);
    }
    std::size_t padding = 0;
    if (source[n - 1] == '=') {
        padding = n >= 2 && source[n - 2] == '=' ? 2 : 1;
    }
    out.resize(out.size() > padding ? out.size() - padding : 0);
    return out;
}

} // namespace varnel::encoding
