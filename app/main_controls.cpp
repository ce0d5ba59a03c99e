#include "app/main_controls.h"

#include <array>

namespace varnel::app {

namespace {

constexpr std::array<std::u8string_view, 3> kEncodingEntries = {u8"ANSI", u8"UTF-8", u8"Unicode"};

// The sample text of 编辑框原文 as the window opens for the first time.
constexpr std::u8string_view kSampleText =
    u8"777\r\n123\r\n321\r\n222\r\n333\r\n222\r\n321\r\n222\r\n555\r\n655\r\n777";

constexpr std::array<ControlSpec, 16> kControls = {{
    {.id = control::kBanner,
     .name = u8"图片框1",
     .kind = ControlKind::kPicture,
     .rect = {0, 0, 400, 100}},
    {.id = control::kStrip,
     .name = u8"标签3",
     .kind = ControlKind::kStrip,
     .rect = {0, 100, 408, 2}},
    {.id = control::kSeparatorLabel,
     .name = u8"标签2",
     .kind = ControlKind::kLabel,
     .rect = {8, 120, 104, 24},
     .text = u8"多块文本分隔符："},
    {.id = control::kLineBreakRadio,
     .name = u8"单选框换行符",
     .kind = ControlKind::kRadioButton,
     .rect = {112, 120, 64, 24},
     .text = u8"换行符",
     .selected = true},
    {.id = control::kTypedRadio,
     .name = u8"单选框自己输入",
     .kind = ControlKind::kRadioButton,
     .rect = {184, 120, 72, 24},
     .text = u8"自己输入"},
    {.id = control::kSeparatorEdit,
     .name = u8"编辑框分隔符",
     .kind = ControlKind::kEditBox,
     .rect = {256, 120, 136, 24},
     .multiLine = true},
    {.id = control::kSourceEdit,
     .name = u8"编辑框原文",
     .kind = ControlKind::kEditBox,
     .rect = {8, 152, 190, 160},
     .text = kSampleText,
     .multiLine = true,
     .scrollBars = true},
    {.id = control::kResultEdit,
     .name = u8"编辑框结果",
     .kind = ControlKind::kEditBox,
     .rect = {200, 152, 190, 160},
     .multiLine = true,
     .scrollBars = true},
    {.id = control::kPasteButton,
     .name = u8"按钮粘贴",
     .kind = ControlKind::kButton,
     .rect = {8, 312, 190, 24},
     .text = u8"粘贴原文"},
    {.id = control::kProcessButton,
     .name = u8"按钮处理",
     .kind = ControlKind::kButton,
     .rect = {200, 312, 72, 24},
     .text = u8"处理"},
    {.id = control::kCopyButton,
     .name = u8"按钮处理并复制结果",
     .kind = ControlKind::kButton,
     .rect = {272, 312, 118, 24},
     .text = u8"复制结果"},
    {.id = control::kFilesButton,
     .name = u8"按钮选择文件",
     .kind = ControlKind::kButton,
     .rect = {8, 352, 136, 32},
     .text = u8"选择文件处理"},
    // 编辑框文件类型 lies over this button's right part; a centred caption would run under it.
    {.id = control::kFolderButton,
     .name = u8"按钮选择文件夹",
     .kind = ControlKind::kButton,
     .rect = {144, 352, 152, 32},
     .text = u8"  选择文件夹处理",
     .captionLeft = true},
    {.id = control::kPatternEdit,
     .name = u8"编辑框文件类型",
     .kind = ControlKind::kEditBox,
     .rect = {248, 356, 37, 24},
     .text = u8"*.txt",
     .centred = true},
    {.id = control::kEncodingLabel,
     .name = u8"标签1",
     .kind = ControlKind::kLabel,
     .rect = {306, 352, 32, 32},
     .text = u8"编码："},
    {.id = control::kEncodingList,
     .name = u8"组合框编码",
     .kind = ControlKind::kDropDownList,
     .rect = {344, 358, 48, 20},
     .items = kEncodingEntries,
     .selectedItem = 0},
}};

} // namespace

std::span<const ControlSpec> MainControls() {
    return kControls;
}

const ControlSpec* FindControl(settings::ControlId id) {
    for (const ControlSpec& spec : kControls) {
        if (spec.id == id) {
            return &spec;
        }
    }
    return nullptr;
}

std::span<const std::u8string_view> EncodingEntries() {
    return kEncodingEntries;
}

} // namespace varnel::app
