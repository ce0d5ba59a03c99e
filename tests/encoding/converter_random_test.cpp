#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "encoding/encoding_converter.h"
#include "encoding/random_source.h"

namespace varnel::encoding {
namespace {

class FixedClock final : public TickClock {
public:
    explicit FixedClock(std::uint32_t ticks) : ticks_(ticks) {}
    std::uint32_t Milliseconds() override { return ticks_; }

private:
    std::uint32_t ticks_;
};

bool IsDigitOrLetter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The process's source on a clock that never moves, as when every call falls in one millisecond.
class RandomTexts : public testing::Test {
protected:
    void SetUp() override { LockedRandomSource()->Reset(clock_); }
    void TearDown() override { LockedRandomSource()->Reset(SystemTickClock()); }

    FixedClock clock_{1000};
    const EncodingConverter converter_;
};

TEST_F(RandomTexts, EachReseedAddsTheTicksAndTheRunningOffset) {
    // Seeds 1000, 1332, 1484, 1788: the offset grows by ((ticks + offset) mod 256) + 100, and
    // the generator's first values after them are 7695, 28399, 1559 and 15701.
    EXPECT_EQ(converter_.RandomDigit(), "5");
    EXPECT_EQ(LockedRandomSource()->SeedOffset(), 332u);
    EXPECT_EQ(converter_.RandomDigit(), "9");
    EXPECT_EQ(converter_.RandomDigit(), "9");
    EXPECT_EQ(converter_.RandomDigit(), "1");
    EXPECT_EQ(LockedRandomSource()->SeedOffset(), 1140u);
}

TEST_F(RandomTexts, LengthsAndAlphabet) {
    EXPECT_EQ(converter_.RandomText().size(), 32u);
    EXPECT_EQ(converter_.RandomText(0).size(), 32u);
    EXPECT_EQ(converter_.RandomText(5).size(), 5u);
    EXPECT_EQ(converter_.RandomText(1).size(), 1u);
    EXPECT_EQ(converter_.RandomText(-1), "");
    EXPECT_EQ(converter_.RandomText(INT32_MIN), "");

    const Text text = converter_.RandomText(20000);
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), IsDigitOrLetter)) << text;
    // About half digits, each digit more frequent than each letter.
    const auto digits = std::count_if(text.begin(), text.end(), [](char c) { return c <= '9'; });
    EXPECT_GT(digits, 8000);
    EXPECT_LT(digits, 12000);
    for (const char c : {'0', '9'}) {
        EXPECT_GT(std::count(text.begin(), text.end(), c),
                  std::count(text.begin(), text.end(), 'q'));
    }
    for (const char c : {'A', 'Z', 'a', 'z', '0', '9'}) {
        EXPECT_NE(text.find(c), Text::npos) << c;
    }

    for (int i = 0; i < 200; ++i) {
        const Text digit = converter_.RandomDigit();
        ASSERT_EQ(digit.size(), 1u);
        EXPECT_TRUE(digit[0] >= '0' && digit[0] <= '9') << digit;
        const Text letter = converter_.RandomLetter();
        ASSERT_EQ(letter.size(), 1u);
        EXPECT_TRUE(IsDigitOrLetter(letter[0]) && letter[0] > '9') << letter;
    }
}

TEST_F(RandomTexts, CallsWithinOneMillisecondStillDiffer) {
    const Text first = converter_.RandomText(16);
    const Text second = converter_.RandomText(16);
    EXPECT_NE(first, second);
    EXPECT_NE(converter_.RandomText(), converter_.RandomText());
}

TEST_F(RandomTexts, TwoThreadsShareTheSourceWithoutLosingAReseed) {
    constexpr int kRounds = 2000;
    const auto work = [this] {
        for (int i = 0; i < kRounds; ++i) {
            const Text text = converter_.RandomText(8); // 16 reseeds
            EXPECT_EQ(text.size(), 8u);
            EXPECT_TRUE(std::all_of(text.begin(), text.end(), IsDigitOrLetter)) << text;
            EXPECT_TRUE(IsDigitOrLetter(converter_.RandomLetter()[0])); // 1 reseed
        }
    };
    std::thread other(work);
    work();
    other.join();

    // The offset depends only on how many reseeds there were, so any lost update shows.
    FixedClock clock(1000);
    RandomSource alone(clock);
    for (int i = 0; i < 2 * kRounds * 17; ++i) {
        alone.Reseed();
    }
    EXPECT_EQ(LockedRandomSource()->SeedOffset(), alone.SeedOffset());
}

} // namespace
} // namespace varnel::encoding
