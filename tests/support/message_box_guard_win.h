// The safety net of the GUI tests: a real message box on the test thread must never wait for a
// user. A WH_CBT hook closes every dialog box the moment it is activated and records its text;
// the GUI test main fails the run when any was recorded, and a fixture can take them to fail the
// very test that raised one.
#pragma once

#include <string>
#include <vector>

namespace varnel::test {

// Installs the hook for the calling thread (once).
void InstallMessageBoxGuard();

// The texts of the boxes closed since the last call.
[[nodiscard]] std::vector<std::wstring> TakeClosedMessageBoxes();

} // namespace varnel::test
