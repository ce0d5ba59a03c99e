#include "app/file_commands.h"

#include <vector>

#include "app/batch_texts.h"
#include "app/file_job.h"
#include "app/file_title.h"
#include "platform/folder_listing.h"
#include "platform/native_path.h"

namespace varnel::app {

namespace {

struct BatchItem {
    std::filesystem::path path;
    Text title;
};

struct BatchReport {
    std::size_t count = 0;
    std::size_t notProcessed = 0;
    Text failureLines;
};

// Runs the job on every item in turn. False when the window was closed: the file in hand was
// finished, and nothing more may be written into the window.
template <typename ProgressText>
bool RunBatch(BatchView& view, const std::vector<BatchItem>& items, ProgressText progressText,
              BatchReport& report) {
    // The window keeps answering while a file is deduplicated. Once it is closed the file in
    // hand is still finished: stopping would only throw the work away.
    const engine::YieldHook pump = [&view](const engine::RunProgress&) {
        view.ProcessPendingMessages();
        return engine::YieldAnswer::kContinue;
    };
    for (const BatchItem& item : items) {
        ++report.count;
        view.SetResultText(progressText(report.count, item.title));
        FileJobSettings settings;
        settings.encoding = FileEncodingFromIndex(view.EncodingIndex());
        settings.separator = ChosenSeparator(view);
        settings.yieldHook = &pump;
        const FileJobResult result = DeduplicateFileInPlace(item.path, settings);
        if (!result.written()) {
            ++report.notProcessed;
            report.failureLines += FailureLine(item.title, FailureReason(result));
        }
        view.ProcessPendingMessages();
        if (view.WindowClosed()) {
            return false;
        }
    }
    return true;
}

// `folderNotListedLine`: FolderNotListedLine (never empty) when the folder could not be read,
// else empty.
void ShowSummary(BatchView& view, const BatchReport& report, const Text& folderNotListedLine = {}) {
    view.SetResultText(BatchSummary(report.count) + report.failureLines + folderNotListedLine);
    view.ShowMessage(DoneMessage(report.notProcessed, !folderNotListedLine.empty()),
                     MessageTitle());
}

} // namespace

void FileCommands::ProcessChosenFiles() {
    const FileChoice choice =
        dialogs_.ChooseFilesToOpen({FilesDialogTitle(), FilesDialogFilter(), {}});
    if (view_.WindowClosed()) {
        return;
    }
    if (choice.outcome == FileChoice::Outcome::kTooMany) {
        view_.ShowMessage(TooManyFilesMessage(), MessageTitle());
        return;
    }
    if (choice.outcome != FileChoice::Outcome::kChosen || choice.paths.empty()) {
        return;
    }

    std::vector<BatchItem> items;
    items.reserve(choice.paths.size());
    for (const auto& path : choice.paths) {
        items.push_back({path, FileTitle(platform::TextFromPath(path))});
    }
    const std::size_t count = items.size();
    BatchReport report;
    const bool open = RunBatch(
        view_, items,
        [count](std::size_t index, const Text& title) {
            return ChosenFileProgress(count, index, title);
        },
        report);
    if (open) {
        ShowSummary(view_, report);
    }
}

void FileCommands::ProcessFolder() {
    FolderBrowseSettings browse;
    browse.startFolder = rememberedFolder_;
    browse.title = FolderDialogTitle();
    const std::filesystem::path folder = dialogs_.ChooseFolder(browse);
    if (folder.empty()) {
        return;
    }
    rememberedFolder_ = folder;
    if (view_.WindowClosed()) {
        return;
    }

    const Text pattern = view_.FilePattern();
    const platform::FolderListing listing =
        platform::FindFiles(folder, platform::PathFromText(pattern));
    std::vector<BatchItem> items;
    items.reserve(listing.names.size());
    for (const auto& name : listing.names) {
        // The folder where the search looked, which a pattern with a folder part moves.
        items.push_back({listing.folder / name, FileTitle(platform::TextFromPath(name))});
    }
    BatchReport report;
    const bool open = RunBatch(view_, items, FolderFileProgress, report);
    if (!open) {
        return;
    }
    ShowSummary(view_, report,
                listing.error ? FolderNotListedLine(platform::TextFromPath(listing.folder),
                                                    FailureReason(*listing.error))
                              : Text());
}

} // namespace varnel::app
