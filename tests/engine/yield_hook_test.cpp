#include <gtest/gtest.h>

#include "engine/deduplicate.h"
#include "tests/engine/reference_engine.h"

namespace varnel::engine {
namespace {

std::string ManyLines(std::size_t count, std::size_t distinct = 1000) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += "line " + std::to_string(i % distinct) + "\r\n";
    }
    return text;
}

// Interval zero: the hook is due at every look at the clock.
DeduplicateOptions Eager(const YieldHook& hook) {
    DeduplicateOptions options;
    options.yieldHook = &hook;
    options.yieldInterval = std::chrono::milliseconds(0);
    return options;
}

class NullSink final : public ResultSink {
public:
    void Reserve(std::uint64_t) override {}
    bool Append(std::string_view) override { return true; }
};

TEST(YieldHook, IsCalledDuringLongRunsAndTheResultIsUnchanged) {
    const std::string text = ManyLines(200000);
    int calls = 0;
    const YieldHook hook = [&](const RunProgress&) {
        ++calls;
        return YieldAnswer::kContinue;
    };
    const auto result = DeduplicateBlocks(text, "\r\n", Eager(hook));
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, DeduplicateBlocks(text, "\r\n"));
    EXPECT_GT(calls, 0);
}

TEST(YieldHook, ReportsProgressThroughTheThreePhases) {
    const std::string text = ManyLines(400000, 200000);
    std::vector<RunProgress> seen;
    const YieldHook hook = [&](const RunProgress& progress) {
        seen.push_back(progress);
        return YieldAnswer::kContinue;
    };
    (void)DeduplicateBlocks(text, "\r\n", Eager(hook));
    ASSERT_FALSE(seen.empty());
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_LE(seen[i].done, seen[i].total);
        if (i > 0) {
            EXPECT_GE(seen[i].phase, seen[i - 1].phase) << "phases go forward";
            if (seen[i].phase == seen[i - 1].phase) {
                EXPECT_GE(seen[i].done, seen[i - 1].done) << "progress never goes back";
            }
        }
    }
    EXPECT_EQ(seen.front().phase, RunProgress::Phase::kFindingBlocks);
    EXPECT_EQ(seen.back().phase, RunProgress::Phase::kJoining);
}

TEST(YieldHook, IsNeverCalledForFewerThanTwoBlocks) {
    int calls = 0;
    const YieldHook hook = [&](const RunProgress&) {
        ++calls;
        return YieldAnswer::kContinue;
    };
    // Large single blocks, with and without a trailing separator, and an empty separator.
    const std::string big(8u << 20, 'x');
    for (const std::string& text : {big, big + "\r\n", std::string("\r\n"), std::string()}) {
        NullSink sink;
        const auto stats = DeduplicateBlocksTo(text, "\r\n", sink, Eager(hook));
        EXPECT_EQ(stats.outcome, RunOutcome::kCompleted);
    }
    NullSink sink;
    (void)DeduplicateBlocksTo(ManyLines(100000), "", sink, Eager(hook));
    EXPECT_EQ(calls, 0);
}

TEST(YieldHook, CanStopARunWhichThenGivesNoResult) {
    const std::string text = ManyLines(200000);
    const YieldHook stop = [](const RunProgress&) { return YieldAnswer::kStop; };
    NullSink sink;
    EXPECT_EQ(DeduplicateBlocksTo(text, "\r\n", sink, Eager(stop)).outcome, RunOutcome::kStopped);
    EXPECT_FALSE(DeduplicateBlocks(text, "\r\n", Eager(stop)).has_value());
}

TEST(YieldHook, HugeBlocksAreWorkedThroughInPieces) {
    // Two equal 16 MiB blocks: hashing and comparing them each yields on the way.
    const std::string block(16u << 20, 'q');
    const std::string text = block + "\r\n" + block;
    int calls = 0;
    const YieldHook hook = [&](const RunProgress&) {
        ++calls;
        return YieldAnswer::kContinue;
    };
    NullSink sink;
    const auto stats = DeduplicateBlocksTo(text, "\r\n", sink, Eager(hook));
    EXPECT_EQ(stats.blocksKept, 1u);
    EXPECT_GE(calls, 16);
}

TEST(YieldHook, ARunCanNestInsideAnotherRunsYield) {
    // A window pumps messages from the hook; a click there starts a second run inside the first.
    const std::string outer = ManyLines(100000);
    const std::string inner = "b\r\na\r\nb";
    std::optional<Text> innerResult;
    bool nested = false;
    const YieldHook innerHook = [](const RunProgress&) { return YieldAnswer::kContinue; };
    const YieldHook outerHook = [&](const RunProgress&) {
        if (!nested) {
            nested = true;
            innerResult = DeduplicateBlocks(inner, "\r\n", Eager(innerHook));
        }
        return YieldAnswer::kContinue;
    };
    const auto outerResult = DeduplicateBlocks(outer, "\r\n", Eager(outerHook));
    ASSERT_TRUE(nested);
    EXPECT_EQ(innerResult, std::optional<Text>("a\r\nb"));
    EXPECT_EQ(outerResult, std::optional<Text>(DeduplicateBlocks(outer, "\r\n")));
}

} // namespace
} // namespace varnel::engine
