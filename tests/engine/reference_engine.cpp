#include "tests/engine/reference_engine.h"

namespace varnel::test {

std::vector<std::string> ReferenceSplit(std::string_view text, std::string_view separator) {
    std::vector<std::string> blocks;
    const std::size_t length = text.size();
    const std::size_t sepLength = separator.size();
    if (length == 0) {
        return blocks;
    }
    if (sepLength == 0) {
        blocks.emplace_back(text);
        return blocks;
    }
    std::size_t p = 0;
    std::size_t b = 0;
    std::size_t r = length;
    while (r >= sepLength) {
        if (text.compare(p, sepLength, separator) == 0) {
            blocks.emplace_back(text.substr(b, p - b));
            p += sepLength;
            r -= sepLength;
            b = p;
        } else if (static_cast<unsigned char>(text[p]) < 0x80) {
            p += 1;
            r -= 1;
        } else {
            if (p + 1 == length) { // the next byte is the terminating zero
                break;
            }
            p += 2;
            r = r >= 2 ? r - 2 : 0;
        }
    }
    if (b < length) {
        blocks.emplace_back(text.substr(b));
    }
    return blocks;
}

std::string ReferenceDeduplicate(std::string_view text, std::string_view separator,
                                 std::size_t* pumpCalls) {
    const std::vector<std::string> blocks = ReferenceSplit(text, separator);
    const std::size_t n = blocks.size();
    if (pumpCalls) {
        *pumpCalls = 0;
    }
    if (n < 2) {
        return std::string(text);
    }
    std::string result;
    const auto append = [&](const std::string& block) {
        if (result.empty()) {
            result = block;
        } else {
            result = result + std::string(separator) + block;
        }
    };
    for (std::size_t i = 0; i + 1 < n; ++i) {
        bool dropped = false;
        for (std::size_t j = i + 1; j < n; ++j) {
            if (blocks[i] == blocks[j]) {
                dropped = true;
                break;
            }
            if (pumpCalls) {
                ++*pumpCalls;
            }
        }
        if (!dropped) {
            append(blocks[i]);
        }
    }
    append(blocks[n - 1]);
    return result;
}

} // namespace varnel::test
