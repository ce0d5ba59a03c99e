#include "tests/app/window_fakes.h"

#include "app/main_controls.h"
#include "app/window_texts.h"

namespace varnel::app::test {

namespace property = settings::property;

void FillFromTable(settings::MemoryControls& controls) {
    controls.AddWindow(kMainWindowId);
    for (const ControlSpec& spec : MainControls()) {
        switch (spec.kind) {
        case ControlKind::kEditBox:
            controls.WriteText(kMainWindowId, spec.id, property::kEditText, InitialText(spec));
            break;
        case ControlKind::kRadioButton:
            controls.WriteText(kMainWindowId, spec.id, property::kCaption, InitialText(spec));
            controls.WriteBool(kMainWindowId, spec.id, property::kChecked, spec.selected);
            break;
        case ControlKind::kButton:
            controls.WriteText(kMainWindowId, spec.id, property::kCaption, InitialText(spec));
            break;
        case ControlKind::kDropDownList:
            controls.WriteInteger(kMainWindowId, spec.id, property::kComboIndex, spec.selectedItem);
            break;
        default:
            break;
        }
    }
}

FakeMainWindow::FakeMainWindow() : ControlView(memory) {
    FillFromTable(memory);
}

void FakeMainWindow::SetResultText(std::string_view gbk) {
    EXPECT_FALSE(closed) << "written into a closed window";
    resultWrites.emplace_back(gbk);
    ControlView::SetResultText(gbk);
}

void FakeMainWindow::ShowMessage(std::string_view gbkText, std::string_view gbkTitle) {
    EXPECT_FALSE(closed) << "a message box after the window closed";
    messages.emplace_back(gbkText, gbkTitle);
}

void FakeMainWindow::ProcessPendingMessages() {
    ++pumps;
    if (atNextPump) {
        const auto action = std::move(atNextPump);
        atNextPump = nullptr;
        action();
    }
}

void FakeMainWindow::SetLineBreakChosen(bool chosen) {
    memory.WriteBool(kMainWindowId, control::kLineBreakRadio, property::kChecked, chosen);
    memory.WriteBool(kMainWindowId, control::kTypedRadio, property::kChecked, !chosen);
}

void FakeMainWindow::SetTypedSeparator(std::string_view gbk) {
    memory.WriteText(kMainWindowId, control::kSeparatorEdit, property::kEditText, gbk);
}

void FakeMainWindow::SetEncodingIndex(int index) {
    memory.WriteInteger(kMainWindowId, control::kEncodingList, property::kComboIndex, index);
}

void FakeMainWindow::SetFilePattern(std::string_view gbk) {
    memory.WriteText(kMainWindowId, control::kPatternEdit, property::kEditText, gbk);
}

varnel::Text FakeMainWindow::BoxText(settings::ControlId control) {
    return memory.ReadText(kMainWindowId, control, property::kEditText);
}

varnel::Text FakeClipboard::ReadText() {
    return available && content ? *content : varnel::Text();
}

bool FakeClipboard::WriteText(std::string_view gbk) {
    if (!available) {
        return false;
    }
    content = varnel::Text(gbk);
    return true;
}

} // namespace varnel::app::test
