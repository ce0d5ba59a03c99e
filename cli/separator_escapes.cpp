#include "cli/separator_escapes.h"

#include "base/gbk_text.h"
#include "base/hex_digit.h"

namespace varnel::cli {

UnescapeResult UnescapeSeparator(std::string_view typed) {
    UnescapeResult result;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (gbk::CharLength(typed, i) == 2) {
            result.bytes += typed.substr(i, 2);
            ++i;
            continue;
        }
        if (typed[i] != '\\') {
            result.bytes += typed[i];
            continue;
        }
        if (i + 1 == typed.size()) {
            result.error = "a lone \\ at the end (write \\\\ for a backslash)";
            return result;
        }
        const char kind = typed[++i];
        switch (kind) {
        case 'r':
            result.bytes += '\r';
            break;
        case 'n':
            result.bytes += '\n';
            break;
        case 't':
            result.bytes += '\t';
            break;
        case '\\':
            result.bytes += '\\';
            break;
        case 'x':
        case 'X': {
            const int high = i + 1 < typed.size() ? HexDigitValue(typed[i + 1]) : -1;
            const int low = i + 2 < typed.size() ? HexDigitValue(typed[i + 2]) : -1;
            if (high < 0 || low < 0) {
                result.error = "\\x needs two hexadecimal digits";
                return result;
            }
            result.bytes += static_cast<char>(high * 16 + low);
            i += 2;
            break;
        }
        default:
            result.error =
                std::string("unknown escape \\") + kind + " (known: \\r \\n \\t \\\\ \\xHH)";
            return result;
        }
    }
    return result;
}

} // namespace varnel::cli
