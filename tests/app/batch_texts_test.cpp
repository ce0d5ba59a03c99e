// The batch commands' fixed texts, checked as GBK bytes: they are written as UTF-8 in the source
// and converted by our own table, so a wrong table or literal shows here.
#include "app/batch_texts.h"

#include <gtest/gtest.h>

#include "tests/support/hex.h"

namespace varnel::app {
namespace {

using test::HexText;
using test::ToHex;

TEST(BatchTexts, AreTheProgramsGbkTexts) {
    EXPECT_EQ(ToHex(MessageTitle()), "D0 C5 CF A2 A3 BA"); // 信息：
    EXPECT_EQ(ToHex(DoneMessage(0)), "CD EA B1 CF A3 A1"); // 完毕！
    EXPECT_EQ(ToHex(BatchSummary(1)), ToHex(HexText(       // 总 1 个文件去重完毕！
                                          "D7DC 2031 20 B8F6 CEC4 BCFE C8A5 D6D8 CDEA B1CF A3A1")));
    EXPECT_EQ(ToHex(FilesDialogFilter()),
              ToHex("TXT" + HexText("CEC4 BCFE") + "|*.txt|INI" + HexText("CEC4 BCFE") + "|*.ini|" +
                    HexText("C8AB B2BF CEC4 BCFE") + "|*.*"));
    EXPECT_EQ(FilesDialogTitle(),
              GbkFromUtf8(u8"请选择多个要去重的文件（请先设置好参数，并自行备份原文件）："));
    EXPECT_EQ(FolderDialogTitle(),
              GbkFromUtf8(u8"请选择去重的文件所在文件夹（请先设置好参数，并自行备份原文件）："));
    EXPECT_EQ(DefaultFolderDialogTitle(), GbkFromUtf8(u8"请选择一个文件夹"));
}

TEST(BatchTexts, ProgressTextsCountInDecimal) {
    // 总 3 个文件，当前第 2 个 / 正在去重中..b
    EXPECT_EQ(ToHex(ChosenFileProgress(3, 2, "b")),
              ToHex(HexText("D7DC 2033 20 B8F6 CEC4 BCFE A3AC B5B1 C7B0 B5DA 2032 20 B8F6 0D0A "
                            "D5FD D4DA C8A5 D6D8 D6D0 2E2E 62")));
    // 正在处理第 3 个文件 / 正在去重中..note
    EXPECT_EQ(ToHex(FolderFileProgress(3, "note")),
              ToHex(HexText("D5FD D4DA B4A6 C0ED B5DA 2033 20 B8F6 CEC4 BCFE 0D0A "
                            "D5FD D4DA C8A5 D6D8 D6D0 2E2E 6E6F 7465")));
    EXPECT_EQ(FolderFileProgress(1, ""), GbkFromUtf8(u8"正在处理第 1 个文件\r\n正在去重中.."));
    EXPECT_EQ(BatchSummary(10000), GbkFromUtf8(u8"总 10000 个文件去重完毕！"));
    EXPECT_EQ(ChosenFileProgress(12345, 100, "x"),
              GbkFromUtf8(u8"总 12345 个文件，当前第 100 个\r\n正在去重中..x"));
}

TEST(BatchTexts, NameWhatWentWrong) {
    FileJobResult readOnly;
    readOnly.status = FileJobStatus::kNotWritten;
    readOnly.fileError = platform::FileError{platform::FileStep::kReadOnly, 5, "Access denied"};
    EXPECT_EQ(FailureReason(readOnly), GbkFromUtf8(u8"只读文件，未改动（Access denied）"));

    FileJobResult content;
    content.status = FileJobStatus::kNotCarried;
    content.content = {encoding::AnsiStop::kNoGbkForm, 1234, 0x1F600};
    EXPECT_EQ(FailureReason(content),
              GbkFromUtf8(u8"第 1234 字节处的字符 U+1F600 没有 GBK 编码，未改动"));

    EXPECT_EQ(FailureLine("a", "x"), GbkFromUtf8(u8"\r\na：x"));
    EXPECT_EQ(DoneMessage(2), GbkFromUtf8(u8"完毕！\r\n有 2 个文件未能处理，原因见结果框。"));
    // A reason in a script without GBK forms keeps its place with "?".
    EXPECT_EQ(GbkFromUtf8(u8"한"), "?");
}

} // namespace
} // namespace varnel::app
