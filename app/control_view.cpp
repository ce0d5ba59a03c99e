#include "app/control_view.h"

#include "app/main_controls.h"

namespace varnel::app {

namespace property = settings::property;

int ControlView::EncodingIndex() {
    return controls_.ReadInteger(kMainWindowId, control::kEncodingList, property::kComboIndex);
}

bool ControlView::LineBreakChosen() {
    return controls_.ReadBool(kMainWindowId, control::kLineBreakRadio, property::kChecked);
}

Text ControlView::TypedSeparator() {
    return controls_.ReadText(kMainWindowId, control::kSeparatorEdit, property::kEditText);
}

Text ControlView::FilePattern() {
    return controls_.ReadText(kMainWindowId, control::kPatternEdit, property::kEditText);
}

void ControlView::SetResultText(std::string_view gbk) {
    if (!WindowClosed()) {
        controls_.WriteText(kMainWindowId, control::kResultEdit, property::kEditText, gbk);
    }
}

Text ControlView::SourceText() {
    return controls_.ReadText(kMainWindowId, control::kSourceEdit, property::kEditText);
}

void ControlView::SetSourceText(std::string_view gbk) {
    if (!WindowClosed()) {
        controls_.WriteText(kMainWindowId, control::kSourceEdit, property::kEditText, gbk);
    }
}

Text ControlView::ResultText() {
    return controls_.ReadText(kMainWindowId, control::kResultEdit, property::kEditText);
}

} // namespace varnel::app
