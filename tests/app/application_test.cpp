// The program-wide objects.
#include "app/application.h"

#include <gtest/gtest.h>

namespace varnel::app {
namespace {

TEST(Application, OpensItsStoreOnTheSettingsFileInIniModeWithoutASection) {
    Application application("C:\\Varnel\\settings.ini");
    EXPECT_EQ(application.Settings().Path(), "C:\\Varnel\\settings.ini");
    EXPECT_EQ(application.Settings().Section(), "");
    EXPECT_FALSE(application.Settings().RegistryMode());
}

} // namespace
} // namespace varnel::app
