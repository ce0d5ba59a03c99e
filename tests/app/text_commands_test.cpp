// The three text commands through the fake window: paste, process with either separator, copy,
// and the runs inside the message pump (a nested click, the window closed).
#include "app/text_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "app/main_controls.h"
#include "engine/deduplicate.h"
#include "tests/app/window_fakes.h"
#include "tests/support/hex.h"

namespace varnel::app {
namespace {

using test::FakeClipboard;
using test::FakeMainWindow;
using varnel::test::HexText;

const Text kProcessing = HexText("D5FD D4DA C8A5 D6D8 D6D0 2E2E"); // 正在去重中..

// Enough distinct lines that the engine yields with an interval of zero.
Text ManyLines(int count) {
    Text text;
    for (int i = 0; i < count; ++i) {
        text += "line " + std::to_string(i % (count / 2)) + "\r\n";
    }
    return text;
}

struct Fixture {
    FakeMainWindow window;
    FakeClipboard clipboard;
    TextCommands commands{window, clipboard, std::chrono::milliseconds(0)};
};

TEST(ProcessCommand, TheSampleTextGivesSevenLines) {
    Fixture f;
    f.commands.Process();
    EXPECT_EQ(f.window.BoxText(control::kResultEdit),
              "123\r\n333\r\n321\r\n222\r\n555\r\n655\r\n777");
    ASSERT_EQ(f.window.resultWrites.size(), 2u);
    EXPECT_EQ(f.window.resultWrites[0], kProcessing);
    EXPECT_EQ(f.window.BoxText(control::kSourceEdit).substr(0, 5), "777\r\n") << "source kept";
}

TEST(ProcessCommand, SeparatorChoices) {
    struct Case {
        const char* what;
        bool lineBreak;
        Text typed;
        Text source;
        Text expected;
    };
    const Case cases[] = {
        {"typed and empty: the text comes back unchanged", false, "", "a\r\na\r\nb", "a\r\na\r\nb"},
        {"typed blank line: paragraphs are the blocks", false, "\r\n\r\n",
         "p1\r\nx\r\n\r\np2\r\n\r\np1\r\nx", "p2\r\n\r\np1\r\nx"},
        {"typed text with a space, taken exactly", false, ", ", "a, b, a", "b, a"},
        {"line break chosen: the separator box is ignored", true, "a", "a\r\nb\r\na", "b\r\na"},
        {"GBK text: a separator never matches inside a character", false, "A",
         HexText("81 41 41 81 41"), HexText("81 41")},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.window.SetLineBreakChosen(c.lineBreak);
        f.window.SetTypedSeparator(c.typed);
        f.window.SetSourceText(c.source);
        f.commands.Process();
        EXPECT_EQ(f.window.BoxText(control::kResultEdit), c.expected) << c.what;
    }
}

TEST(ProcessCommand, ShowsTheProgressTextWhileTheEngineRuns) {
    Fixture f;
    const Text source = ManyLines(200000);
    f.window.SetSourceText(source);
    Text seenDuringRun;
    f.window.atNextPump = [&] { seenDuringRun = f.window.BoxText(control::kResultEdit); };
    f.commands.Process();
    EXPECT_GT(f.window.pumps, 0);
    EXPECT_EQ(seenDuringRun, kProcessing);
    EXPECT_EQ(f.window.BoxText(control::kResultEdit), engine::DeduplicateBlocks(source, "\r\n"));
}

TEST(ProcessCommand, ASecondClickInsideTheRunFinishesFirstAndTheFirstRunWritesLast) {
    Fixture f;
    const Text source = ManyLines(200000);
    f.window.SetSourceText(source);
    // Inside the first run the user chooses 自己输入 (empty) and clicks "处理" again.
    f.window.atNextPump = [&] {
        f.window.SetLineBreakChosen(false);
        f.commands.Process();
    };
    f.commands.Process();
    const std::vector<Text> expected = {kProcessing, kProcessing, source,
                                        engine::DeduplicateBlocks(source, "\r\n")};
    EXPECT_EQ(f.window.resultWrites, expected);
}

TEST(ProcessCommand, ClosingTheWindowDuringARunStopsItWithoutWriting) {
    Fixture f;
    f.window.SetSourceText(ManyLines(200000));
    f.window.atNextPump = [&] { f.window.closed = true; };
    f.commands.Process();
    EXPECT_EQ(f.window.pumps, 1) << "the run stops at the yield that saw the window close";
    EXPECT_EQ(f.window.resultWrites, std::vector<Text>{kProcessing});
}

TEST(ProcessCommand, ClosingInsideANestedRunStopsBoth) {
    Fixture f;
    f.window.SetSourceText(ManyLines(200000));
    f.window.atNextPump = [&] {
        f.window.atNextPump = [&] { f.window.closed = true; };
        f.commands.Process();
    };
    f.commands.Process();
    EXPECT_EQ(f.window.resultWrites, (std::vector<Text>{kProcessing, kProcessing}));
}

TEST(PasteCommand, ReplacesTheSourceWithTheClipboardText) {
    Fixture f;
    f.clipboard.content = HexText("D6D0 CEC4 0D0A 41"); // 中文\r\nA
    f.commands.Paste();
    EXPECT_EQ(f.window.BoxText(control::kSourceEdit), HexText("D6D0 CEC4 0D0A 41"));
}

TEST(PasteCommand, AClipboardWithoutTextOrUnavailableEmptiesTheSource) {
    {
        Fixture f;
        f.commands.Paste(); // nothing on it, or only a picture
        EXPECT_EQ(f.window.BoxText(control::kSourceEdit), "");
    }
    {
        Fixture f;
        f.clipboard.content = "text";
        f.clipboard.available = false;
        f.commands.Paste();
        EXPECT_EQ(f.window.BoxText(control::kSourceEdit), "");
    }
}

TEST(CopyCommand, PutsTheResultOnTheClipboardAnEmptyOneToo) {
    Fixture f;
    f.window.SetResultText(HexText("D6D0 CEC4"));
    f.clipboard.content = "old";
    f.commands.Copy();
    EXPECT_EQ(f.clipboard.content, HexText("D6D0 CEC4"));

    f.window.SetResultText("");
    f.commands.Copy();
    EXPECT_EQ(f.clipboard.content, Text()) << "an empty result replaces what was there";
}

TEST(CopyCommand, AnUnavailableClipboardIsLeftAlone) {
    Fixture f;
    f.window.SetResultText("result");
    f.clipboard.content = "old";
    f.clipboard.available = false;
    f.commands.Copy();
    EXPECT_EQ(f.clipboard.content, "old");
}

} // namespace
} // namespace varnel::app
