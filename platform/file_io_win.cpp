#include "platform/file_io.h"

#include <windows.h>

#include <atomic>

#include "platform/stream_io.h"

namespace varnel::platform {

namespace {

FileError ErrorFromCode(FileStep step, DWORD code) {
    return FileError{step, static_cast<int>(code), SystemErrorMessage(static_cast<int>(code))};
}

FileError LastError(FileStep step) {
    return ErrorFromCode(step, GetLastError());
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (valid()) {
            CloseHandle(handle_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    [[nodiscard]] bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_; }
    [[nodiscard]] HANDLE get() const { return handle_; }
    bool Close() {
        const HANDLE h = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(h) != 0;
    }

private:
    HANDLE handle_;
};

} // namespace

ReadResult ReadWholeFile(const std::filesystem::path& path) {
    Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) {
        ReadResult result;
        result.error = LastError(FileStep::kOpen);
        return result;
    }
    LARGE_INTEGER size{};
    std::size_t hint = 0;
    if (GetFileSizeEx(file.get(), &size)) {
        if (static_cast<unsigned long long>(size.QuadPart) >= SIZE_MAX) {
            ReadResult result;
            result.error = detail::OutOfMemoryError();
            return result;
        }
        hint = static_cast<std::size_t>(size.QuadPart) + 1;
    }
    return detail::ReadToEnd(file.get(), hint);
}

ReadResult ReadStandardInput() {
    return detail::ReadToEnd(GetStdHandle(STD_INPUT_HANDLE), 0);
}

namespace {

// The attributes of an existing file; nullopt with no error for a missing one.
std::optional<FileError> Attributes(const std::filesystem::path& path, DWORD& attributes) {
    attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES && GetLastError() != ERROR_FILE_NOT_FOUND &&
        GetLastError() != ERROR_PATH_NOT_FOUND) {
        return LastError(FileStep::kOpen);
    }
    return std::nullopt;
}

std::optional<FileError> Refusal(DWORD attributes, const ReplaceOptions& options) {
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        return FileError{FileStep::kOpen, ERROR_ACCESS_DENIED,
                         SystemErrorMessage(ERROR_ACCESS_DENIED)};
    }
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        return FileError{FileStep::kReadOnly, ERROR_ACCESS_DENIED,
                         SystemErrorMessage(ERROR_ACCESS_DENIED)};
    }
    if (options.refuseHiddenOrSystem &&
        (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) {
        return FileError{FileStep::kHiddenOrSystem, ERROR_ACCESS_DENIED,
                         SystemErrorMessage(ERROR_ACCESS_DENIED)};
    }
    return std::nullopt;
}

} // namespace

std::optional<FileError> CheckReplaceable(const std::filesystem::path& path,
                                          const ReplaceOptions& options) {
    DWORD attributes = 0;
    if (auto error = Attributes(path, attributes)) {
        return error;
    }
    return Refusal(attributes, options);
}

std::optional<FileError> ReplaceFileContent(const std::filesystem::path& path,
                                            std::span<const std::uint8_t> content,
                                            const ReplaceOptions& options) {
    DWORD attributes = 0;
    if (auto error = Attributes(path, attributes)) {
        return error;
    }
    if (auto refused = Refusal(attributes, options)) {
        return refused;
    }
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;

    static std::atomic<unsigned> counter{0};
    std::filesystem::path temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = path;
        temporary += L".varnel-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                     std::to_wstring(counter.fetch_add(1)) + L".tmp";
        created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
            return LastError(FileStep::kCreateTemporary);
        }
    }
    if (created == INVALID_HANDLE_VALUE) {
        return LastError(FileStep::kCreateTemporary);
    }
    Handle file(created);
    const auto failWith = [&](FileError error) {
        if (file.valid()) {
            file.Close();
        }
        DeleteFileW(temporary.c_str());
        return error;
    };
    const auto fail = [&](FileStep step) { return failWith(LastError(step)); };

    if (const int code = detail::WriteAll(file.get(), content); code != 0) {
        return failWith(ErrorFromCode(FileStep::kWrite, static_cast<DWORD>(code)));
    }
    if (!FlushFileBuffers(file.get())) {
        return fail(FileStep::kFlush);
    }
    if (!file.Close()) {
        return fail(FileStep::kWrite);
    }
    // The new file takes the old one's attributes before it takes its place, so that the rename
    // is the only step that changes what others see. (ReplaceFileW would keep them too, but Wine
    // does not replace atomically: killed inside it, the file was seen missing.)
    if (exists && attributes != FILE_ATTRIBUTE_NORMAL &&
        !SetFileAttributesW(temporary.c_str(), attributes)) {
        return fail(FileStep::kWrite);
    }
    if (!MoveFileExW(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        // A hidden or system temporary file may refuse deletion; clear its attributes first.
        FileError error = LastError(FileStep::kReplace);
        SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(temporary.c_str());
        return error;
    }
    return std::nullopt;
}

} // namespace varnel::platform
