#include "platform/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/stream_io.h"

namespace varnel::platform {

namespace {

FileError ErrorFromErrno(FileStep step, int code) {
    return FileError{step, code, SystemErrorMessage(code)};
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    [[nodiscard]] int get() const { return fd_; }
    // Closes now and reports whether the close succeeded (a late write error shows up here).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }

private:
    int fd_;
};

} // namespace

ReadResult ReadWholeFile(const std::filesystem::path& path) {
    FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        ReadResult result;
        result.error = ErrorFromErrno(FileStep::kOpen, errno);
        return result;
    }
    struct stat info {};
    std::size_t hint = 0;
    if (fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode)) {
        // One byte more than the size, so that reading the end needs no reallocation.
        hint = static_cast<std::size_t>(info.st_size) + 1;
    }
    return detail::ReadToEnd(fd.get(), hint);
}

ReadResult ReadStandardInput() {
    struct stat info {};
    std::size_t hint = 0;
    if (fstat(STDIN_FILENO, &info) == 0 && S_ISREG(info.st_mode)) {
        const off_t position = lseek(STDIN_FILENO, 0, SEEK_CUR);
        if (position >= 0 && position <= info.st_size) {
            hint = static_cast<std::size_t>(info.st_size - position) + 1;
        }
    }
    return detail::ReadToEnd(STDIN_FILENO, hint);
}

namespace {

// Why the existing file `path`, described by `info`, may not be replaced; nullopt when it may.
std::optional<FileError> Refusal(const std::filesystem::path& path, const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return ErrorFromErrno(FileStep::kOpen, EISDIR);
    }
    // A rename would turn a device or a pipe into a plain file.
    if (!S_ISREG(info.st_mode)) {
        return FileError{FileStep::kOpen, 0, "not a regular file"};
    }
    // Root could rename over a protected file; the owner's write bit is what counts.
    if ((info.st_mode & S_IWUSR) == 0) {
        return FileError{FileStep::kReadOnly, EACCES, SystemErrorMessage(EACCES)};
    }
    // A rename in a writable folder would also replace a file that this process may not write
    // (another user's); such a file counts as read-only, as it would for an open for writing.
    if (access(path.c_str(), W_OK) != 0) {
        const int code = errno;
        if (code == EACCES || code == EPERM || code == EROFS) {
            return FileError{FileStep::kReadOnly, code, SystemErrorMessage(code)};
        }
        return ErrorFromErrno(FileStep::kOpen, code);
    }
    return std::nullopt;
}

} // namespace

std::optional<FileError> CheckReplaceable(const std::filesystem::path& path,
                                          const ReplaceOptions& /*options*/) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return errno == ENOENT ? std::nullopt
                               : std::optional<FileError>(ErrorFromErrno(FileStep::kOpen, errno));
    }
    return Refusal(path, info);
}

std::optional<FileError> ReplaceFileContent(const std::filesystem::path& linkOrPath,
                                            std::span<const std::uint8_t> content,
                                            const ReplaceOptions& /*options*/) {
    // The new content goes to the file a symbolic link names; renaming over the link itself
    // would replace the link with a copy and leave the file it names as it was.
    std::filesystem::path path = linkOrPath;
    struct stat linkInfo {};
    if (lstat(linkOrPath.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
        std::error_code ec;
        auto target = std::filesystem::canonical(linkOrPath, ec);
        if (!ec) {
            path = std::move(target);
        }
    }
    struct stat original {};
    const bool exists = stat(path.c_str(), &original) == 0;
    if (!exists && errno != ENOENT) {
        return ErrorFromErrno(FileStep::kOpen, errno);
    }
    if (exists) {
        if (auto refused = Refusal(path, original)) {
            return refused;
        }
    }

    const auto folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::random_device seed;
    std::filesystem::path temporary;
    int tempFd = -1;
    for (int attempt = 0; attempt < 100 && tempFd < 0; ++attempt) {
        temporary = folder / ("." + path.filename().string() + ".varnel-" +
                              std::to_string(seed() % 1000000000u) + ".tmp");
        tempFd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (tempFd < 0 && errno != EEXIST) {
            return ErrorFromErrno(FileStep::kCreateTemporary, errno);
        }
    }
    if (tempFd < 0) {
        return ErrorFromErrno(FileStep::kCreateTemporary, EEXIST);
    }
    FileDescriptor fd(tempFd);
    const auto fail = [&](FileStep step, int code) {
        unlink(temporary.c_str());
        return ErrorFromErrno(step, code);
    };

    if (const int code = detail::WriteAll(fd.get(), content); code != 0) {
        return fail(FileStep::kWrite, code);
    }
    if (exists) {
        // Best effort for the owner: only root may give the file away, and that is fine.
        if (fchown(fd.get(), original.st_uid, original.st_gid) != 0 && geteuid() == 0) {
            return fail(FileStep::kWrite, errno);
        }
        if (fchmod(fd.get(), original.st_mode & 07777) != 0) {
            return fail(FileStep::kWrite, errno);
        }
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        if (fchmod(fd.get(), 0666 & ~mask) != 0) {
            return fail(FileStep::kWrite, errno);
        }
    }
    if (fsync(fd.get()) != 0) {
        return fail(FileStep::kFlush, errno);
    }
    if (!fd.Close()) {
        return fail(FileStep::kWrite, errno);
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        return fail(FileStep::kReplace, errno);
    }
    // Make the rename itself durable; a failure here no longer endangers either content.
    FileDescriptor dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        (void)fsync(dir.get());
    }
    return std::nullopt;
}

} // namespace varnel::platform
