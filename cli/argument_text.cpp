#include "cli/argument_text.h"

#include "encoding/ansi_conversion.h"

namespace varnel::cli {

ArgumentText TextFromArgument(std::string_view argument, bool utf8) {
    ArgumentText result;
    if (!utf8 && !ArgumentsAreUnicode()) {
        result.text = TextUpToZero(argument);
        return result;
    }
    const auto converted = encoding::Utf8ToAnsiReporting(AsBytes(argument));
    result.text = converted.text;
    switch (converted.stop) {
    case encoding::AnsiStop::kNone:
        break;
    case encoding::AnsiStop::kNoGbkForm:
        result.error =
            "the character " + encoding::CodePointName(converted.character) + " has no GBK form";
        break;
    case encoding::AnsiStop::kMalformed:
        result.error = "not valid UTF-8 at byte " + std::to_string(converted.offset);
        break;
    case encoding::AnsiStop::kZeroCharacter:
        result.error = "a zero character at byte " + std::to_string(converted.offset);
        break;
    }
    return result;
}

} // namespace varnel::cli
