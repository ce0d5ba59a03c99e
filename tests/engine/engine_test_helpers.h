// Readable block texts for engine tests: "⏎" stands for the separator "\r\n".
#pragma once

#include <string>
#include <string_view>

namespace varnel::test {

inline std::string Crlf(std::string_view withMarks) {
    static constexpr std::string_view kMark = "⏎";
    std::string out;
    for (std::size_t i = 0; i < withMarks.size();) {
        if (withMarks.substr(i, kMark.size()) == kMark) {
            out += "\r\n";
            i += kMark.size();
        } else {
            out += withMarks[i++];
        }
    }
    return out;
}

} // namespace varnel::test
