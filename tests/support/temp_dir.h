// A fresh directory for one test, removed with everything in it when the test ends.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace varnel::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }

    // Writes `content` to a file in the directory and returns its path.
    std::filesystem::path WriteFile(const std::filesystem::path& name,
                                    std::string_view content) const;

private:
    std::filesystem::path path_;
};

// How many entries a folder holds (to see that no temporary file was left behind).
[[nodiscard]] std::size_t EntriesIn(const std::filesystem::path& folder);

// The whole content of a file; fails the current test when it cannot be read.
[[nodiscard]] std::string ReadFile(const std::filesystem::path& path);

} // namespace varnel::test
