#include "app/win32/combo_field.h"

#include <algorithm>

namespace varnel::win32 {

void FitComboField(HWND combo, int height) {
    LRESULT itemHeight = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int attempt = 0; attempt < 3 && itemHeight != CB_ERR; ++attempt) {
        RECT field{};
        GetWindowRect(combo, &field);
        const LONG difference = height - (field.bottom - field.top);
        if (difference == 0) {
            return;
        }
        itemHeight = std::max<LRESULT>(1, itemHeight + difference);
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
    }
}

} // namespace varnel::win32
