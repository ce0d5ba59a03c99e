// The system clipboard's text, as GBK. The Win32 program keeps it as Unicode text and converts
// with our own code-page 936 table; tests use a fake.
#pragma once

#include <string_view>

#include "base/text.h"

namespace varnel::app {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // The text on the clipboard; empty when the clipboard cannot be opened or holds no text.
    // A character without a GBK form becomes "?"; the text ends at its first zero character.
    [[nodiscard]] virtual Text ReadText() = 0;
    // Replaces everything on the clipboard with `gbk` (an empty text too). False when the
    // clipboard could not be opened or the text not placed; it is then left as it was.
    virtual bool WriteText(std::string_view gbk) = 0;
};

} // namespace varnel::app
