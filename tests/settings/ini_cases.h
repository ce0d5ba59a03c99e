// What GetPrivateProfileStringA and WritePrivateProfileStringA do, as one table of cases. It runs
// against our INI implementation on every platform and, in the Windows suite, against the real
// functions, so the table stays a measured record of the platform's behaviour.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace varnel::settings::test {

enum class IniOp { kRead, kWrite };

struct IniCase {
    const char* name;
    IniOp op;
    std::optional<std::string> file; // the file before the call; nullopt: there is none
    std::string section;
    std::string key;
    std::string text;     // read: the default; write: the value
    std::string expected; // read: the value read; write: the file afterwards (ours)
    // What the Windows functions give where we deliberately differ (the repairs of ini_file.h).
    std::optional<std::string> real = std::nullopt;
    // What Wine's functions give where Wine is believed to differ from Windows: Wine rewrites the
    // whole file from what it parsed (blank lines and white space around names go, every line
    // gets CR LF), where Windows edits the one line and keeps the rest of the file.
    std::optional<std::string> wine = std::nullopt;
};

[[nodiscard]] const std::vector<IniCase>& IniCases();

} // namespace varnel::settings::test
