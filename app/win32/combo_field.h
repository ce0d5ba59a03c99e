// The height of a drop-down list's selection field. A combo box's window height includes its
// list; the field's height follows from its item height, which systems count differently (and
// Wine raises again to fit the font after a resize), so it is set by measuring.
#pragma once

#include <windows.h>

namespace varnel::win32 {

// Sets the item height of the selection field so that the closed combo box is `height` pixels
// high, as far as the system allows.
void FitComboField(HWND combo, int height);

} // namespace varnel::win32
