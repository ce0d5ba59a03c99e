// A process killed in the middle of writing its settings leaves the old or the new file, never a
// broken one.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <thread>

#include "tests/support/run_process.h"
#include "tests/support/temp_dir.h"

namespace varnel::settings {
namespace {

using varnel::test::ReadFile;

// The file's content; nullopt while it cannot be opened (on Windows, for a moment while the
// writer replaces it).
std::optional<std::string> TryRead(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string Content(char letter) {
    return "[s]\r\nk=" + std::string(200000, letter) + "\r\n";
}

TEST(KillDuringWrite, LeavesTheOldOrTheNewFile) {
    varnel::test::TempDir dir;
    const auto file = dir.WriteFile("settings.ini", Content('A'));
    std::mt19937 random(std::random_device{}());
    int sawA = 0;
    int sawB = 0;
    for (int round = 0; round < 12; ++round) {
        dir.WriteFile("settings.ini", Content('A'));
        auto writer = varnel::test::StartProcess(
            {varnel::test::ProgramPath(VARNEL_SETTINGS_WRITER), file.string()});
        // Wait until the writer has written at least once, then let it run a little longer.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (TryRead(file).value_or(Content('A')) == Content('A') &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 40));
        varnel::test::KillProcess(writer);

        const std::string content = ReadFile(file);
        ASSERT_TRUE(content == Content('A') || content == Content('B'))
            << "round " << round << ": a broken file of " << content.size() << " bytes";
        (content == Content('A') ? sawA : sawB)++;
    }
    // Both outcomes occurred, so the kills did fall in the middle of the writing.
    EXPECT_GT(sawB, 0);
    RecordProperty("old", sawA);
    RecordProperty("new", sawB);
}

} // namespace
} // namespace varnel::settings
