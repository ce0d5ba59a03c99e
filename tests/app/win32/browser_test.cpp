// The banner as a link, with a recording browser; and the automation browser's fallback to the
// default browser, with a ProgID that no system has, so that no browser ever starts here.
#include <windows.h>

#include <ole2.h>

#include <gtest/gtest.h>

#include "app/main_controls.h"
#include "app/win32/automation_browser.h"
#include "tests/app/win32/window_driver.h"

namespace varnel::win32::test {
namespace {

namespace control = app::control;

class BannerTest : public WindowTest {
protected:
    BannerTest() { Open(); }
    void Press(settings::ControlId id, UINT message, WPARAM keys) {
        SendMessageW(Control(id), message, keys, MAKELPARAM(20, 30));
        Pump();
    }
};

TEST_F(BannerTest, EveryLeftPressOpensTheHomePage) {
    Press(control::kBanner, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(browser_.opened, std::vector<Text>{"https://varnel.org/"});
    Press(control::kBanner, WM_LBUTTONUP, 0);
    EXPECT_EQ(browser_.opened.size(), 1u) << "on the press, not on the release";
    Press(control::kBanner, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(browser_.opened.size(), 2u) << "each press opens a new window";
}

TEST_F(BannerTest, OtherButtonsAndOtherPlacesOpenNothing) {
    Press(control::kBanner, WM_RBUTTONDOWN, MK_RBUTTON);
    Press(control::kBanner, WM_MBUTTONDOWN, MK_MBUTTON);
    Press(control::kStrip, WM_LBUTTONDOWN, MK_LBUTTON);
    SendMessageW(window_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 395));
    Pump();
    EXPECT_TRUE(browser_.opened.empty());
}

TEST(AutomationBrowser, WithoutTheAutomationObjectTheDefaultBrowserGetsTheAddress) {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    std::vector<std::wstring> handedOver;
    bool accept = true;
    AutomationBrowser browser(L"Varnel.NoSuchBrowser.Application", [&](const std::wstring& a) {
        handedOver.push_back(a);
        return accept;
    });
    EXPECT_TRUE(browser.OpenPageInBrowser("https://varnel.org/"));
    EXPECT_EQ(handedOver, std::vector<std::wstring>{L"https://varnel.org/"});
    accept = false;
    EXPECT_FALSE(browser.OpenPageInBrowser("https://varnel.org/")) << "failure passes silently";
    EXPECT_FALSE(browser.OpenPageInBrowser("https://varnel.org/", true))
        << "a hidden page never goes to a visible browser";
    EXPECT_EQ(handedOver.size(), 2u);
    OleUninitialize();
}

} // namespace
} // namespace varnel::win32::test
