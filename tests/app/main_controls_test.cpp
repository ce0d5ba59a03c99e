// The control table as the window's description gives it, row by row, and the window's texts as
// GBK bytes.
#include "app/main_controls.h"

#include <gtest/gtest.h>

#include <set>

#include "app/window_texts.h"
#include "tests/support/hex.h"

namespace varnel::app {
namespace {

using varnel::test::HexText;

struct Row {
    const char8_t* name;
    ControlKind kind;
    ControlRect rect;
    const char8_t* text;
};

TEST(MainControls, MatchTheWindowsDescription) {
    const Row rows[] = {
        {u8"图片框1", ControlKind::kPicture, {0, 0, 400, 100}, u8""},
        {u8"标签3", ControlKind::kStrip, {0, 100, 408, 2}, u8""},
        {u8"标签2", ControlKind::kLabel, {8, 120, 104, 24}, u8"多块文本分隔符："},
        {u8"单选框换行符", ControlKind::kRadioButton, {112, 120, 64, 24}, u8"换行符"},
        {u8"单选框自己输入", ControlKind::kRadioButton, {184, 120, 72, 24}, u8"自己输入"},
        {u8"编辑框分隔符", ControlKind::kEditBox, {256, 120, 136, 24}, u8""},
        {u8"编辑框原文",
         ControlKind::kEditBox,
         {8, 152, 190, 160},
         u8"777\r\n123\r\n321\r\n222\r\n333\r\n222\r\n321\r\n222\r\n555\r\n655\r\n777"},
        {u8"编辑框结果", ControlKind::kEditBox, {200, 152, 190, 160}, u8""},
        {u8"按钮粘贴", ControlKind::kButton, {8, 312, 190, 24}, u8"粘贴原文"},
        {u8"按钮处理", ControlKind::kButton, {200, 312, 72, 24}, u8"处理"},
        {u8"按钮处理并复制结果", ControlKind::kButton, {272, 312, 118, 24}, u8"复制结果"},
        {u8"按钮选择文件", ControlKind::kButton, {8, 352, 136, 32}, u8"选择文件处理"},
        {u8"按钮选择文件夹", ControlKind::kButton, {144, 352, 152, 32}, u8"  选择文件夹处理"},
        {u8"编辑框文件类型", ControlKind::kEditBox, {248, 356, 37, 24}, u8"*.txt"},
        {u8"标签1", ControlKind::kLabel, {306, 352, 32, 32}, u8"编码："},
        {u8"组合框编码", ControlKind::kDropDownList, {344, 358, 48, 20}, u8""},
    };
    const auto controls = MainControls();
    ASSERT_EQ(controls.size(), std::size(rows));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlSpec& spec = controls[i];
        const Row& row = rows[i];
        EXPECT_EQ(spec.name, std::u8string_view(row.name)) << i;
        EXPECT_EQ(spec.kind, row.kind) << i;
        EXPECT_EQ(spec.rect, row.rect) << i;
        EXPECT_EQ(spec.text, std::u8string_view(row.text)) << i;
    }
}

TEST(MainControls, EditBoxStylesStatesAndEntries) {
    const ControlSpec* separator = FindControl(control::kSeparatorEdit);
    ASSERT_NE(separator, nullptr);
    EXPECT_TRUE(separator->multiLine);
    EXPECT_FALSE(separator->scrollBars) << "lines wrap";
    for (const auto id : {control::kSourceEdit, control::kResultEdit}) {
        EXPECT_TRUE(FindControl(id)->multiLine);
        EXPECT_TRUE(FindControl(id)->scrollBars);
    }
    EXPECT_FALSE(FindControl(control::kPatternEdit)->multiLine);
    EXPECT_TRUE(FindControl(control::kPatternEdit)->centred);
    EXPECT_TRUE(FindControl(control::kLineBreakRadio)->selected);
    EXPECT_FALSE(FindControl(control::kTypedRadio)->selected);

    const ControlSpec* list = FindControl(control::kEncodingList);
    ASSERT_EQ(list->items.size(), 3u);
    EXPECT_EQ(list->items[0], u8"ANSI");
    EXPECT_EQ(list->items[1], u8"UTF-8");
    EXPECT_EQ(list->items[2], u8"Unicode");
    EXPECT_EQ(list->selectedItem, 0);
}

TEST(MainControls, IdsAndNamesAreUnique) {
    std::set<settings::ControlId> ids;
    std::set<std::u8string_view> names;
    for (const ControlSpec& spec : MainControls()) {
        EXPECT_TRUE(ids.insert(spec.id).second) << spec.id;
        EXPECT_TRUE(names.insert(spec.name).second);
        EXPECT_GT(spec.id, 2) << "clear of IDOK and IDCANCEL";
        EXPECT_EQ(FindControl(spec.id), &spec);
    }
    EXPECT_EQ(FindControl(0), nullptr);
}

TEST(WindowTexts, AreGbk) {
    EXPECT_EQ(ProcessingText(), HexText("D5FD D4DA C8A5 D6D8 D6D0 2E2E"));
    EXPECT_EQ(SettingsSection(), HexText("BBF9 B1BE C5E4 D6C3"));
    EXPECT_EQ(SettingsFileName(), HexText("D6F7 C5E4 D6C3 2E69 6E69"));
    EXPECT_EQ(WindowCaption(),
              "Varnel v1.0 - " + HexText("C1AA CFB5 D3CA CFE4 A3BA") + "hello@varnel.org");
    EXPECT_EQ(ControlName(*FindControl(control::kSourceEdit)), HexText("B1E0 BCAD BFF2 D4AD CEC4"));
    EXPECT_EQ(InitialText(*FindControl(control::kTypedRadio)), HexText("D7D4 BCBA CAE4 C8EB"));
}

} // namespace
} // namespace varnel::app
