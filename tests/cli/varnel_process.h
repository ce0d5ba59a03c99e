// Runs the real varnel binary of this build (under Wine in the Windows suite).
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/run_process.h"

namespace varnel::cli {

inline test::ProcessResult Varnel(std::vector<std::string> args, std::string_view input = {}) {
    args.insert(args.begin(), test::ProgramPath(VARNEL_CLI_PATH));
    return test::RunProcess(args, input);
}

inline std::size_t LineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace varnel::cli
