// The event bindings of the main window: buttons, banner presses, creation and close.
#include "app/main_commands.h"

#include <gtest/gtest.h>

#include "app/main_controls.h"
#include "platform/native_path.h"
#include "tests/app/window_fakes.h"
#include "tests/support/temp_dir.h"

namespace varnel::app {
namespace {

using test::FakeClipboard;
using test::FakeMainWindow;
using test::RecordingBrowser;

struct Fixture {
    Fixture() { store.Open(platform::TextFromPath(dir.Path() / "settings.ini")); }
    varnel::test::TempDir dir;
    settings::SettingsStore store;
    FakeMainWindow window;
    FakeClipboard clipboard;
    RecordingBrowser browser;
    MainCommands commands{window, clipboard, store, browser};
};

TEST(MainCommands, EachButtonRunsItsCommand) {
    Fixture f;
    f.clipboard.content = "b\r\na\r\nb";
    f.commands.OnClicked(control::kPasteButton);
    EXPECT_EQ(f.window.SourceText(), "b\r\na\r\nb");
    f.commands.OnClicked(control::kProcessButton);
    EXPECT_EQ(f.window.ResultText(), "a\r\nb");
    f.clipboard.content.reset();
    f.commands.OnClicked(control::kCopyButton);
    EXPECT_EQ(f.clipboard.content, "a\r\nb");
}

TEST(MainCommands, OtherControlsAndUnboundFileButtonsDoNothing) {
    Fixture f;
    for (const ControlSpec& spec : MainControls()) {
        if (spec.id != control::kPasteButton && spec.id != control::kProcessButton &&
            spec.id != control::kCopyButton) {
            f.commands.OnClicked(spec.id);
        }
    }
    f.commands.OnClicked(1); // IDOK from the dialog keyboard interface (Enter)
    EXPECT_TRUE(f.window.resultWrites.empty());
    EXPECT_FALSE(f.clipboard.content.has_value());
    EXPECT_TRUE(f.browser.opened.empty());
}

TEST(MainCommands, TheFileButtonsCallWhatIsBoundToThem) {
    Fixture f;
    int files = 0;
    int folders = 0;
    f.commands.BindFileButtons([&] { ++files; }, [&] { ++folders; });
    f.commands.OnClicked(control::kFilesButton);
    f.commands.OnClicked(control::kFolderButton);
    f.commands.OnClicked(control::kFolderButton);
    EXPECT_EQ(files, 1);
    EXPECT_EQ(folders, 2);
}

TEST(MainCommands, EveryLeftPressOnTheBannerOpensTheHomePage) {
    Fixture f;
    f.commands.OnBannerPressed(MouseButton::kLeft);
    f.commands.OnBannerPressed(MouseButton::kLeft);
    EXPECT_EQ(f.browser.opened, (std::vector<Text>{"https://varnel.org/", "https://varnel.org/"}));
}

TEST(MainCommands, OtherButtonsOnTheBannerOpenNothing) {
    Fixture f;
    f.commands.OnBannerPressed(MouseButton::kRight);
    f.commands.OnBannerPressed(MouseButton::kMiddle);
    EXPECT_TRUE(f.browser.opened.empty());
}

TEST(MainCommands, CreationRestoresAndACloseRequestSaves) {
    Fixture f;
    f.window.SetSourceText("kept");
    f.commands.OnCloseRequested();
    FakeMainWindow next;
    MainCommands nextCommands(next, f.clipboard, f.store, f.browser);
    nextCommands.OnCreated();
    EXPECT_EQ(next.SourceText(), "kept");
}

} // namespace
} // namespace varnel::app
