#include "settings/memory_controls.h"

#include <algorithm>

namespace varnel::settings {

std::int32_t MemoryControls::ReadInteger(WindowId window, ControlId control, int number) {
    const auto it = integers_.find({window, control, number});
    return it == integers_.end() ? 0 : it->second;
}

bool MemoryControls::ReadBool(WindowId window, ControlId control, int number) {
    const auto it = bools_.find({window, control, number});
    return it != bools_.end() && it->second;
}

Text MemoryControls::ReadText(WindowId window, ControlId control, int number) {
    const auto it = texts_.find({window, control, number});
    return it == texts_.end() ? Text() : it->second;
}

void MemoryControls::WriteInteger(WindowId window, ControlId control, int number,
                                  std::int32_t value) {
    if (IsWindow(window, control) && number == property::kWindowState) {
        if (!windows_[window]) {
            return; // a hidden window takes its state later, when it is shown
        }
        value = std::clamp(value, 0, 3);
        // Restoring and centring leave a normal window behind.
        integers_[{window, control, number}] = value == 1 ? 0 : value;
        return;
    }
    integers_[{window, control, number}] = value;
}

void MemoryControls::WriteBool(WindowId window, ControlId control, int number, bool value) {
    bools_[{window, control, number}] = value;
}

void MemoryControls::WriteText(WindowId window, ControlId control, int number,
                               std::string_view value) {
    texts_[{window, control, number}] = Text(value);
}

void MemoryControls::Move(WindowId window, ControlId control, std::int32_t left, std::int32_t top,
                          std::int32_t width, std::int32_t height) {
    if (width == -1) {
        width = ReadInteger(window, control, property::kWidth);
    }
    if (height == -1) {
        height = ReadInteger(window, control, property::kHeight);
    }
    const std::int32_t wanted[] = {left, top, width, height};
    bool same = true;
    for (int i = 0; i < 4; ++i) {
        same = same && ReadInteger(window, control, i) == wanted[i];
    }
    if (same) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        integers_[{window, control, i}] = wanted[i];
    }
    ++moves_;
}

void MemoryControls::AddWindow(WindowId window, bool visible) {
    windows_[window] = visible;
}

bool MemoryControls::IsWindow(WindowId window, ControlId control) const {
    return control == kWindowItself && windows_.contains(window);
}

} // namespace varnel::settings
