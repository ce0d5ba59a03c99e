// The texts of the two batch commands ("选择文件处理", "  选择文件夹处理") as GBK: dialog titles
// and filters, progress and summary texts, the closing message and the reasons a file was not
// processed. Written here as UTF-8 and converted with our own code-page 936 table, so they do not
// depend on the compiler's execution character set.
#pragma once

#include <cstddef>
#include <string_view>

#include "app/file_job.h"
#include "base/text.h"

namespace varnel::app {

// UTF-8 as GBK by our own table; a character without a GBK form becomes "?".
[[nodiscard]] Text GbkFromUtf8(std::string_view utf8);
[[nodiscard]] Text GbkFromUtf8(std::u8string_view utf8);

[[nodiscard]] Text
FilesDialogTitle(); // 请选择多个要去重的文件（请先设置好参数，并自行备份原文件）：
[[nodiscard]] Text FilesDialogFilter(); // TXT文件|*.txt|INI文件|*.ini|全部文件|*.*
[[nodiscard]] Text
FolderDialogTitle(); // 请选择去重的文件所在文件夹（请先设置好参数，并自行备份原文件）：
[[nodiscard]] Text DefaultFolderDialogTitle(); // 请选择一个文件夹

// 总 N 个文件，当前第 i 个\r\n正在去重中..title
[[nodiscard]] Text ChosenFileProgress(std::size_t count, std::size_t index, std::string_view title);
// 正在处理第 i 个文件\r\n正在去重中..title
[[nodiscard]] Text FolderFileProgress(std::size_t index, std::string_view title);
// 总 N 个文件去重完毕！
[[nodiscard]] Text BatchSummary(std::size_t count);
// \r\n + title + "：" + reason: one line added to the summary per file that was not processed.
[[nodiscard]] Text FailureLine(std::string_view title, std::string_view reason);
// \r\n无法读取文件夹 folder：reason
[[nodiscard]] Text FolderNotListedLine(std::string_view folder, std::string_view reason);

// Why a file was not processed, in Chinese, with the system's reason where there is one.
[[nodiscard]] Text FailureReason(const FileJobResult& result);
[[nodiscard]] Text FailureReason(const platform::FileError& error);

// The closing message: "完毕！" when every file was processed; otherwise it says how many were
// not. `folderNotListed`: the folder itself could not be read.
[[nodiscard]] Text DoneMessage(std::size_t notProcessed, bool folderNotListed = false);
[[nodiscard]] Text MessageTitle(); // 信息：
// A selection of files larger than the dialog could hand over.
[[nodiscard]] Text TooManyFilesMessage();

} // namespace varnel::app
