// The INI case table against our implementation and, on Windows, against the real functions.
#include <gtest/gtest.h>

#include "settings/ini_file.h"
#include "tests/settings/ini_cases.h"
#include "tests/support/hex.h"
#include "tests/support/temp_dir.h"

#ifdef _WIN32
#include "tests/settings/profile_api.h"
#endif

namespace varnel::settings::test {
namespace {

using varnel::test::ReadFile;
using varnel::test::TempDir;
using varnel::test::ToHex;

// Bytes for a failure message, long runs shortened to their ends.
std::string Shown(const std::string& bytes) {
    if (bytes.size() <= 48) {
        return "[" + ToHex(bytes) + "]";
    }
    return "[" + ToHex(bytes.substr(0, 16)) + " ... " + ToHex(bytes.substr(bytes.size() - 16)) +
           "] (" + std::to_string(bytes.size()) + " bytes)";
}

// The result of one case: the value read, or the file after the write.
template <typename Read, typename Write>
std::string RunCase(const IniCase& c, const TempDir& dir, Read read, Write write) {
    const auto path = dir.Path() / "case.ini";
    if (c.file) {
        dir.WriteFile("case.ini", *c.file);
    }
    if (c.op == IniOp::kRead) {
        return read(path, c);
    }
    EXPECT_TRUE(write(path, c)) << c.name;
    return ReadFile(path);
}

TEST(IniCases, OurImplementation) {
    for (const IniCase& c : IniCases()) {
        TempDir dir;
        const std::string got = RunCase(
            c, dir,
            [](const std::filesystem::path& path, const IniCase& k) {
                return ReadIniValue(path, k.section, k.key, k.text);
            },
            [](const std::filesystem::path& path, const IniCase& k) {
                return WriteIniValue(path, k.section, k.key, k.text);
            });
        EXPECT_TRUE(got == c.expected)
            << c.name << "\n  got      " << Shown(got) << "\n  expected " << Shown(c.expected);
    }
}

#ifdef _WIN32
TEST(IniCases, WindowsProfileFunctions) {
    const bool wine = RunningUnderWine();
    for (const IniCase& c : IniCases()) {
        TempDir dir;
        const std::string got = RunCase(
            c, dir,
            [](const std::filesystem::path& path, const IniCase& k) {
                return RealProfileRead(path.string(), k.section, k.key, k.text);
            },
            [](const std::filesystem::path& path, const IniCase& k) {
                return RealProfileWrite(path.string(), k.section, k.key, k.text);
            });
        const std::string& expected = wine && c.wine ? *c.wine : (c.real ? *c.real : c.expected);
        EXPECT_TRUE(got == expected)
            << c.name << "\n  got      " << Shown(got) << "\n  expected " << Shown(expected);
    }
}
#endif

} // namespace
} // namespace varnel::settings::test
