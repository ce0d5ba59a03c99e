#include "app/file_job.h"

#include <new>
#include <stdexcept>
#include <utility>

namespace varnel::app {

namespace {

// Collects the result into one text, sized once from the engine's announcement.
class TextSink final : public engine::ResultSink {
public:
    explicit TextSink(Text& text) : text_(text) {}
    void Reserve(std::uint64_t totalBytes) override {
        try {
            text_.reserve(static_cast<std::size_t>(totalBytes));
        } catch (const std::bad_alloc&) {
            // Appending will find out; reserving is only an optimisation.
        } catch (const std::length_error&) {
        }
    }
    bool Append(std::string_view bytes) override {
        try {
            text_.append(bytes);
            return true;
        } catch (const std::bad_alloc&) {
            return false;
        } catch (const std::length_error&) {
            return false;
        }
    }

private:
    Text& text_;
};

constexpr platform::ReplaceOptions kReplaceOptions{.refuseHiddenOrSystem = true};

FileJobResult Failed(FileJobStatus status, platform::FileError error) {
    FileJobResult result;
    result.status = status;
    result.fileError = std::move(error);
    return result;
}

platform::FileError TooLarge() {
    return platform::FileError{platform::FileStep::kTooLarge, 0, ""};
}

// Everything after the read; may run out of memory on a large file (the working text, the
// engine's blocks, the result are each held whole).
FileJobResult Process(const std::filesystem::path& path, const FileJobSettings& settings,
                      Bytes& content) {
    FileJobResult result;
    const WorkingText working = WorkingText::Make(content, settings.encoding);
    if (working.problem()) {
        result.status = FileJobStatus::kNotCarried;
        result.content = *working.problem();
        return result;
    }
    if (settings.encoding != FileEncoding::kAnsi) {
        Bytes().swap(content); // the converted text is all that is needed from here on
    }

    engine::DeduplicateOptions options;
    options.yieldHook = settings.yieldHook;
    options.yieldInterval = settings.yieldInterval;
    Text deduplicated;
    TextSink sink(deduplicated);
    result.stats = engine::DeduplicateBlocksTo(working.text(), settings.separator, sink, options);
    switch (result.stats.outcome) {
    case engine::RunOutcome::kCompleted:
        break;
    case engine::RunOutcome::kStopped:
        result.status = FileJobStatus::kStopped;
        return result;
    case engine::RunOutcome::kSinkFailed:
        return Failed(FileJobStatus::kNotRead, TooLarge());
    }
    if (settings.encoding == FileEncoding::kAnsi) {
        Bytes().swap(content); // the working text viewed these bytes until now
    }

    if (auto error = platform::ReplaceFileContent(path, AsBytes(deduplicated), kReplaceOptions)) {
        return Failed(FileJobStatus::kNotWritten, std::move(*error));
    }
    return result;
}

} // namespace

FileJobResult DeduplicateFileInPlace(const std::filesystem::path& path,
                                     const FileJobSettings& settings) {
    // Refused files are known before the work: no need to read and deduplicate them first.
    if (auto refused = platform::CheckReplaceable(path, kReplaceOptions)) {
        return Failed(FileJobStatus::kNotWritten, std::move(*refused));
    }
    platform::ReadResult read = platform::ReadWholeFile(path);
    if (!read.ok()) {
        return Failed(FileJobStatus::kNotRead, std::move(*read.error));
    }
    try {
        return Process(path, settings, read.content);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    return Failed(FileJobStatus::kNotRead, TooLarge());
}

std::string DescribeFailure(const FileJobResult& result) {
    switch (result.status) {
    case FileJobStatus::kWritten:
        return {};
    case FileJobStatus::kNotRead:
    case FileJobStatus::kNotWritten:
        return result.fileError ? result.fileError->Describe() : "failed";
    case FileJobStatus::kStopped:
        return "stopped; left unchanged";
    case FileJobStatus::kNotCarried:
        break;
    }
    return DescribeContentProblem(result.content) + "; left unchanged";
}

} // namespace varnel::app
