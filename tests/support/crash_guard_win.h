// Makes an unhandled exception end a Windows test process with exit code 3 at once, printing the
// exception code and address, so that a crash can never pass as success under Wine.
#pragma once

namespace varnel::test {

void InstallCrashGuard();

} // namespace varnel::test
