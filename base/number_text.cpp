#include "base/number_text.h"

#include <charconv>
#include <limits>

#include "base/gbk_text.h"

namespace varnel {

Text FormatNumber(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
    return Text(buffer, result.ptr);
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

double ParseLeadingNumber(std::string_view raw) {
    const Text text = gbk::ToHalfWidth(raw);
    std::size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t numberStart = pos;
    std::size_t digits = 0;
    // Decimal exponent of the first significant digit, to tell overflow from underflow.
    long leadExponent = 0;
    bool seenSignificant = false;
    bool inFraction = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            ++digits;
            if (c != '0' && !seenSignificant) {
                seenSignificant = true;
            }
            if (seenSignificant && !inFraction) {
                ++leadExponent;
            } else if (!seenSignificant && inFraction) {
                --leadExponent;
            }
        } else if (c == '.' && !inFraction) {
            inFraction = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    std::size_t end = pos;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exp = pos + 1;
        bool expNegative = false;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) {
            expNegative = text[exp] == '-';
            ++exp;
        }
        if (exp < text.size() && IsDigit(text[exp])) {
            long exponent = 0;
            while (exp < text.size() && IsDigit(text[exp])) {
                if (exponent < 100000) {
                    exponent = exponent * 10 + (text[exp] - '0');
                }
                ++exp;
            }
            leadExponent += expNegative ? -exponent : exponent;
            end = exp;
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data() + numberStart, text.data() + end, value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = leadExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

} // namespace varnel
