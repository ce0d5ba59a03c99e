// The control half of MainView over settings::ControlAccess: each text, choice and index is a
// property of one control of the main window. Nothing is written once the window is closed.
#pragma once

#include "app/main_view.h"

namespace varnel::app {

class ControlView : public MainView {
public:
    // `controls` must outlive the view; it is not used during construction.
    explicit ControlView(settings::ControlAccess& controls) : controls_(controls) {}

    [[nodiscard]] int EncodingIndex() override;
    [[nodiscard]] bool LineBreakChosen() override;
    [[nodiscard]] Text TypedSeparator() override;
    [[nodiscard]] Text FilePattern() override;
    void SetResultText(std::string_view gbk) override;
    [[nodiscard]] Text SourceText() override;
    void SetSourceText(std::string_view gbk) override;
    [[nodiscard]] Text ResultText() override;
    [[nodiscard]] settings::ControlAccess& Controls() override { return controls_; }

private:
    settings::ControlAccess& controls_;
};

} // namespace varnel::app
