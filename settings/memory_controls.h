// ControlAccess over plain maps: controls are whatever properties were set on them. Stands in
// for the window system in tests of the store and of the program's portable half.
#pragma once

#include <map>
#include <tuple>

#include "settings/control_access.h"

namespace varnel::settings {

class MemoryControls : public ControlAccess {
public:
    [[nodiscard]] std::int32_t ReadInteger(WindowId window, ControlId control, int number) override;
    [[nodiscard]] bool ReadBool(WindowId window, ControlId control, int number) override;
    [[nodiscard]] Text ReadText(WindowId window, ControlId control, int number) override;
    void WriteInteger(WindowId window, ControlId control, int number, std::int32_t value) override;
    void WriteBool(WindowId window, ControlId control, int number, bool value) override;
    void WriteText(WindowId window, ControlId control, int number, std::string_view value) override;
    void Move(WindowId window, ControlId control, std::int32_t left, std::int32_t top,
              std::int32_t width, std::int32_t height) override;

    // Windows are the (window, kWindowItself) pairs marked here; their property 18 is the
    // position state with the window system's rules (clamped, applied while visible: 1 reads
    // back as 0). Every other pair stores what it is given.
    void AddWindow(WindowId window, bool visible = true);

    // How often Move changed a rectangle.
    [[nodiscard]] int MoveCount() const { return moves_; }

private:
    using Address = std::tuple<WindowId, ControlId, int>;
    [[nodiscard]] bool IsWindow(WindowId window, ControlId control) const;

    std::map<Address, std::int32_t> integers_;
    std::map<Address, bool> bools_;
    std::map<Address, Text> texts_;
    std::map<WindowId, bool> windows_; // window -> visible
    int moves_ = 0;
};

} // namespace varnel::settings
