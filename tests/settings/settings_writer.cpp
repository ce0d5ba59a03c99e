// Helper program of the kill-during-write test: writes one key of an INI file over and over, its
// value switching between two long texts, until it is killed. A write that fails (on Windows
// while the test has the file open for a look) is simply tried again.
//   settings_writer FILE
#include <string>

#include "settings/settings_store.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    varnel::settings::SettingsStore store;
    store.Open(argv[1], "s");
    const std::string values[] = {std::string(200000, 'A'), std::string(200000, 'B')};
    for (unsigned long i = 1;; i += store.WriteText("k", values[i % 2]) ? 1 : 0) {
    }
}
