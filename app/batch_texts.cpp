#include "app/batch_texts.h"

#include <string>

#include "encoding/code_page.h"

namespace varnel::app {

namespace {

using encoding::CodePage;

Text Number(std::uint64_t n) {
    return std::to_string(n);
}

const char8_t* WithoutReason(platform::FileStep step) {
    switch (step) {
    case platform::FileStep::kOpen:
        return u8"无法打开";
    case platform::FileStep::kRead:
        return u8"读取失败";
    case platform::FileStep::kTooLarge:
        return u8"文件太大，内存不足，未改动";
    case platform::FileStep::kReadOnly:
        return u8"只读文件，未改动";
    case platform::FileStep::kHiddenOrSystem:
        return u8"隐藏或系统文件，未改动";
    case platform::FileStep::kCreateTemporary:
        return u8"无法在同一文件夹中创建新文件，原文件未改动";
    case platform::FileStep::kWrite:
        return u8"写入失败，原文件未改动";
    case platform::FileStep::kFlush:
        return u8"无法写入磁盘，原文件未改动";
    case platform::FileStep::kReplace:
        return u8"无法替换原文件，原文件未改动";
    }
    return u8"失败";
}

} // namespace

Text GbkFromUtf8(std::string_view utf8) {
    return TextUpToZero(encoding::Recode(CodePage::kUtf8, CodePage::kGbk, utf8));
}

Text GbkFromUtf8(std::u8string_view utf8) {
    return GbkFromUtf8(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

Text FilesDialogTitle() {
    return GbkFromUtf8(u8"请选择多个要去重的文件（请先设置好参数，并自行备份原文件）：");
}

Text FilesDialogFilter() {
    return GbkFromUtf8(u8"TXT文件|*.txt|INI文件|*.ini|全部文件|*.*");
}

Text FolderDialogTitle() {
    return GbkFromUtf8(u8"请选择去重的文件所在文件夹（请先设置好参数，并自行备份原文件）：");
}

Text DefaultFolderDialogTitle() {
    return GbkFromUtf8(u8"请选择一个文件夹");
}

Text ChosenFileProgress(std::size_t count, std::size_t index, std::string_view title) {
    return GbkFromUtf8(u8"总 ") + Number(count) + GbkFromUtf8(u8" 个文件，当前第 ") +
           Number(index) + GbkFromUtf8(u8" 个\r\n正在去重中..") + Text(title);
}

Text FolderFileProgress(std::size_t index, std::string_view title) {
    return GbkFromUtf8(u8"正在处理第 ") + Number(index) + GbkFromUtf8(u8" 个文件\r\n正在去重中..") +
           Text(title);
}

Text BatchSummary(std::size_t count) {
    return GbkFromUtf8(u8"总 ") + Number(count) + GbkFromUtf8(u8" 个文件去重完毕！");
}

Text FailureLine(std::string_view title, std::string_view reason) {
    return "\r\n" + Text(title) + GbkFromUtf8(u8"：") + Text(reason);
}

Text FolderNotListedLine(std::string_view folder, std::string_view reason) {
    return GbkFromUtf8(u8"\r\n无法读取文件夹 ") + Text(folder) + GbkFromUtf8(u8"：") + Text(reason);
}

Text FailureReason(const platform::FileError& error) {
    Text reason = GbkFromUtf8(WithoutReason(error.step));
    if (!error.reason.empty()) {
        reason += GbkFromUtf8(u8"（") + GbkFromUtf8(error.reason) + GbkFromUtf8(u8"）");
    }
    return reason;
}

Text FailureReason(const FileJobResult& result) {
    switch (result.status) {
    case FileJobStatus::kWritten:
        return {};
    case FileJobStatus::kNotRead:
    case FileJobStatus::kNotWritten:
        return result.fileError ? FailureReason(*result.fileError) : GbkFromUtf8(u8"失败");
    case FileJobStatus::kStopped:
        return GbkFromUtf8(u8"已停止，未改动");
    case FileJobStatus::kNotCarried:
        break;
    }
    const Text where =
        GbkFromUtf8(u8"第 ") + Number(result.content.offset) + GbkFromUtf8(u8" 字节处");
    switch (result.content.kind) {
    case encoding::AnsiStop::kZeroCharacter:
        return where + GbkFromUtf8(u8"有零字符，不能作为文本处理，未改动");
    case encoding::AnsiStop::kNoGbkForm:
        return where + GbkFromUtf8(u8"的字符 ") +
               encoding::CodePointName(result.content.character) +
               GbkFromUtf8(u8" 没有 GBK 编码，未改动");
    case encoding::AnsiStop::kMalformed:
        return where + GbkFromUtf8(u8"编码无效，未改动");
    case encoding::AnsiStop::kNone:
        break;
    }
    return GbkFromUtf8(u8"失败");
}

Text DoneMessage(std::size_t notProcessed, bool folderNotListed) {
    if (folderNotListed) {
        return GbkFromUtf8(u8"完毕！\r\n文件夹无法读取，原因见结果框。");
    }
    if (notProcessed == 0) {
        return GbkFromUtf8(u8"完毕！");
    }
    return GbkFromUtf8(u8"完毕！\r\n有 ") + Number(notProcessed) +
           GbkFromUtf8(u8" 个文件未能处理，原因见结果框。");
}

Text MessageTitle() {
    return GbkFromUtf8(u8"信息：");
}

Text TooManyFilesMessage() {
    return GbkFromUtf8(
        u8"选择的文件太多，超出了对话框能交回的范围，一个也没有处理。\r\n请分几次选择。");
}

} // namespace varnel::app
