#include "engine/deduplicate.h"

#include <gtest/gtest.h>

#include "tests/engine/engine_test_helpers.h"
#include "tests/engine/reference_engine.h"
#include "tests/support/hex.h"

namespace varnel::engine {
namespace {

using test::Crlf;
using test::HexText;
using test::ToHex;

struct Case {
    std::string text;
    std::string separator;
    std::string expected;
};

// Every row is also run through the literal reference algorithm, so a wrong row fails twice.
void ExpectDeduplicates(const Case& c) {
    EXPECT_EQ(ToHex(DeduplicateBlocks(c.text, c.separator)), ToHex(c.expected))
        << "text " << ToHex(c.text) << ", separator " << ToHex(c.separator);
    EXPECT_EQ(ToHex(test::ReferenceDeduplicate(c.text, c.separator)), ToHex(c.expected))
        << "reference, text " << ToHex(c.text);
}

TEST(DeduplicateBlocks, KeepsTheLastOfEachGroupInOrder) {
    const Case cases[] = {
        {Crlf("777⏎123⏎321⏎222⏎333⏎222⏎321⏎222⏎555⏎655⏎777"), "\r\n",
         Crlf("123⏎333⏎321⏎222⏎555⏎655⏎777")},
        {Crlf("A⏎A"), "\r\n", "A"},
        {Crlf("A⏎B⏎A⏎"), "\r\n", Crlf("B⏎A")},
        {Crlf("a⏎A⏎a "), "\r\n", Crlf("a⏎A⏎a ")}, // case and trailing spaces count
        {Crlf("1⏎") + HexText("A3 B1") + Crlf("⏎1"), "\r\n",
         HexText("A3 B1") + Crlf("⏎1")},             // full-width "１" differs from "1"
        {"a\n\nb\n\na\n\nc", "\n\n", "b\n\na\n\nc"}, // paragraphs
    };
    for (const auto& c : cases) {
        ExpectDeduplicates(c);
    }
}

TEST(DeduplicateBlocks, ReturnsTextsOfFewerThanTwoBlocksUnchanged) {
    const Case cases[] = {
        {"", "\r\n", ""},
        {"A", "\r\n", "A"},
        {Crlf("A⏎"), "\r\n", Crlf("A⏎")},
        {Crlf("⏎"), "\r\n", Crlf("⏎")},
        {"a\nb\na\n", "\r\n", "a\nb\na\n"}, // Linux line ends are no CR LF separators
        {Crlf("A⏎A⏎B"), "", Crlf("A⏎A⏎B")}, // the empty separator
        {HexText("41 B0 0D 0A 42"), "\r\n", HexText("41 B0 0D 0A 42")}, // B0 pairs with CR
    };
    for (const auto& c : cases) {
        ExpectDeduplicates(c);
    }
}

TEST(DeduplicateBlocks, TrailingSeparatorsAndEmptyBlocks) {
    const Case cases[] = {
        {Crlf("A⏎A⏎"), "\r\n", "A"}, // the trailing separator is not restored
        {Crlf("A⏎B⏎"), "\r\n", Crlf("A⏎B")},
        {Crlf("⏎A⏎B"), "\r\n", Crlf("A⏎B")}, // a leading empty block vanishes
        {Crlf("⏎⏎A"), "\r\n", "A"},
        {Crlf("A⏎⏎B"), "\r\n", Crlf("A⏎⏎B")},      // an empty block between survives
        {Crlf("A⏎⏎B⏎⏎C"), "\r\n", Crlf("A⏎B⏎⏎C")}, // only the last empty block survives
        {Crlf("A⏎⏎"), "\r\n", Crlf("A⏎")},
        {Crlf("⏎⏎"), "\r\n", ""},
        {Crlf("⏎⏎⏎"), "\r\n", ""},
        {Crlf("A⏎⏎A"), "\r\n", "A"},
        {Crlf("⏎A⏎⏎B⏎A"), "\r\n", Crlf("B⏎A")}, // a leading empty survivor vanishes too
    };
    for (const auto& c : cases) {
        ExpectDeduplicates(c);
    }
}

TEST(DeduplicateBlocks, SeparatorsNeverMatchInsideDoubleByteCharacters) {
    const Case cases[] = {
        // 丄 A 丄: the trail byte 41 of 丄 is not the separator "A".
        {HexText("81 41 41 81 41"), "A", HexText("81 41")},
        // 中⏎文⏎中: Chinese blocks.
        {HexText("D6 D0 0D 0A CE C4 0D 0A D6 D0"), "\r\n", HexText("CE C4 0D 0A D6 D0")},
        // A separator made of a double-byte character.
        {HexText("41 D6 D0 42 D6 D0 41"), HexText("D6 D0"), HexText("42 D6 D0 41")},
        // A separator that is a lone lead byte matches only at character starts: D6 81 is 謥.
        {HexText("41 D6 81 41 81 42"), HexText("81"), HexText("41 D6 81 41 81 42")},
        // A lead byte as the very last byte.
        {HexText("41 0D 0A 41 0D 0A B0"), "\r\n", HexText("41 0D 0A B0")},
    };
    for (const auto& c : cases) {
        ExpectDeduplicates(c);
    }
}

TEST(SplitText, CutsAtEverySeparatorThatCounts) {
    struct SplitCase {
        std::string text;
        std::string separator;
        std::vector<std::string> blocks;
    };
    const SplitCase cases[] = {
        {"", "\r\n", {}},
        {"abc", "", {"abc"}},
        {Crlf("⏎A⏎⏎B⏎"), "\r\n", {"", "A", "", "B"}},
        {HexText("81 41 41 81 41"), "A", {HexText("81 41"), HexText("81 41")}},
        {HexText("41 B0"), "\r\n", {HexText("41 B0")}},
    };
    for (const auto& c : cases) {
        const auto views = SplitText(c.text, c.separator);
        const std::vector<std::string> blocks(views.begin(), views.end());
        EXPECT_EQ(blocks, c.blocks) << ToHex(c.text);
        EXPECT_EQ(test::ReferenceSplit(c.text, c.separator), c.blocks) << ToHex(c.text);
    }
}

// A sink that takes a limited number of bytes, then refuses, like a closed pipe.
class LimitedSink final : public ResultSink {
public:
    explicit LimitedSink(std::size_t limit) : limit_(limit) {}
    void Reserve(std::uint64_t totalBytes) override { announced = totalBytes; }
    bool Append(std::string_view bytes) override {
        if (received.size() + bytes.size() > limit_) {
            return false;
        }
        received += bytes;
        return true;
    }
    std::string received;
    std::uint64_t announced = 0;

private:
    std::size_t limit_;
};

TEST(DeduplicateBlocksTo, StreamsTheResultWithItsExactSizeAnnounced) {
    const std::string text = Crlf("x⏎y⏎x⏎z⏎⏎y⏎w");
    LimitedSink sink(1000);
    const auto stats = DeduplicateBlocksTo(text, "\r\n", sink);
    EXPECT_EQ(stats.outcome, RunOutcome::kCompleted);
    EXPECT_EQ(sink.received, Crlf("x⏎z⏎⏎y⏎w"));
    EXPECT_EQ(sink.announced, sink.received.size());
    EXPECT_EQ(stats.blocksRead, 7u);
    EXPECT_EQ(stats.blocksKept, 5u);
    EXPECT_EQ(stats.bytesIn, text.size());
    EXPECT_EQ(stats.bytesOut, sink.received.size());
}

TEST(DeduplicateBlocksTo, ReportsASinkThatRefusesBytes) {
    LimitedSink sink(3);
    EXPECT_EQ(DeduplicateBlocksTo(Crlf("aa⏎bb⏎cc"), "\r\n", sink).outcome, RunOutcome::kSinkFailed);
    LimitedSink shortSink(0);
    EXPECT_EQ(DeduplicateBlocksTo("single block", "\r\n", shortSink).outcome,
              RunOutcome::kSinkFailed);
}

TEST(DeduplicateBlocksTo, WideOffsetsGiveTheSameResult) {
    const std::string text = Crlf("7⏎1⏎3⏎1⏎⏎7⏎⏎2⏎");
    DeduplicateOptions wide;
    wide.wideOffsets = true;
    LimitedSink sink(1000);
    EXPECT_EQ(DeduplicateBlocksTo(text, "\r\n", sink, wide).outcome, RunOutcome::kCompleted);
    EXPECT_EQ(sink.received, DeduplicateBlocks(text, "\r\n"));
}

} // namespace
} // namespace varnel::engine
