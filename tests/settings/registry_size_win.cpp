// The real registry holds a written text as REG_SZ with its terminating zero counted.
#include <windows.h>

#include <gtest/gtest.h>

#include "settings/registry.h"
#include "settings/windows_registry.h"

namespace varnel::settings {
namespace {

TEST(WindowsRegistry, StringsCountTheirTerminatingZero) {
    WindowsRegistry registry;
    ASSERT_TRUE(WriteRegistryText(registry, "VarnelTestSize\\S\\k", "ab"));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, L"VarnelTestSize\\S", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExW(key, L"k", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 3 * sizeof(wchar_t));
    EXPECT_TRUE(registry.DeleteKey("VarnelTestSize"));
}

} // namespace
} // namespace varnel::settings
