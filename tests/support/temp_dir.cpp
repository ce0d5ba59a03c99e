#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <system_error>

namespace varnel::test {

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::error_code ec;
    const auto base = std::filesystem::temp_directory_path(ec);
    EXPECT_FALSE(ec) << "no temporary directory: " << ec.message();
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = base / ("varnel-test-" + std::to_string(stamp) + "-" +
                        std::to_string(counter.fetch_add(1)));
        if (std::filesystem::create_directory(path_, ec)) {
            return;
        }
    }
    ADD_FAILURE() << "cannot create a temporary directory under " << base.string();
}

TempDir::~TempDir() {
    std::error_code ec;
    // Tests may leave read-only files behind; make everything writable so removal succeeds.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    }
    std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempDir::WriteFile(const std::filesystem::path& name,
                                         std::string_view content) const {
    const auto path = path_ / name;
    std::ofstream out(path, std::ios::binary);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    EXPECT_TRUE(out.good()) << "cannot write " << path.string();
    return path;
}

std::size_t EntriesIn(const std::filesystem::path& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++count;
    }
    return count;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read " << path.string();
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace varnel::test
