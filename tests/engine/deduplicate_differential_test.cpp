// The fast engine against the literal pairwise algorithm on thousands of random GBK-heavy texts:
// lead bytes right before separators and at the very end, separators of one to four bytes (some
// containing or starting with bytes of 0x80 or above), empty blocks everywhere, long runs of
// equal blocks.
#include <gtest/gtest.h>

#include <random>

#include "engine/deduplicate.h"
#include "tests/engine/reference_engine.h"
#include "tests/support/hex.h"

namespace varnel::engine {
namespace {

class RandomTexts {
public:
    explicit RandomTexts(unsigned seed) : random_(seed) {}

    std::string Separator() {
        static const std::vector<std::string> kFixed = {
            "\r\n",  "\n",       "A", "\x81", "\xB0\r", "\xD6\xD0", "\r\n\r\n", "\xFF\xFF\xFF\xFF",
            "A\x81", "\r\n\x81",
        };
        if (Pick(3) == 0) {
            return kFixed[Pick(kFixed.size())];
        }
        std::string separator;
        const std::size_t length = 1 + Pick(4);
        for (std::size_t i = 0; i < length; ++i) {
            separator += Byte();
        }
        return separator;
    }

    // Blocks drawn from a small pool (so that many repeat), joined by the separator, with
    // random bytes sprinkled in that may form, break or straddle separators.
    std::string Text(const std::string& separator) {
        std::vector<std::string> pool(1 + Pick(6));
        for (auto& block : pool) {
            const std::size_t length = Pick(3) == 0 ? 0 : Pick(6);
            for (std::size_t i = 0; i < length; ++i) {
                block += Byte();
            }
        }
        std::string text;
        const std::size_t blocks = Pick(40);
        for (std::size_t i = 0; i < blocks; ++i) {
            if (i > 0 || Pick(4) == 0) {
                text += separator;
            }
            if (Pick(5) == 0) {
                // A run of equal blocks.
                const std::string& repeated = pool[Pick(pool.size())];
                for (std::size_t r = Pick(8); r > 0; --r) {
                    text += repeated + separator;
                }
            }
            text += pool[Pick(pool.size())];
            if (Pick(6) == 0) {
                text += Byte();
            }
        }
        if (Pick(3) == 0) {
            text += separator;
        }
        if (Pick(6) == 0) {
            text += "\xB0"; // a lead byte as the last byte
        }
        return text;
    }

private:
    std::size_t Pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    char Byte() {
        static constexpr unsigned char kBytes[] = {'A',  'B',  'a',  '\r', '\n', ' ',  0x80, 0x81,
                                                   0xB0, 0xD0, 0xD6, 0xFE, 0xFF, 0x40, 0x7E};
        return static_cast<char>(kBytes[Pick(sizeof kBytes)]);
    }

    std::mt19937 random_;
};

TEST(DeduplicateDifferential, AgreesWithThePairwiseAlgorithm) {
    RandomTexts random(20261211);
    DeduplicateOptions wide;
    wide.wideOffsets = true;
    for (int round = 0; round < 20000; ++round) {
        const std::string separator = random.Separator();
        const std::string text = random.Text(separator);
        const std::string expected = test::ReferenceDeduplicate(text, separator);
        const std::string actual = DeduplicateBlocks(text, separator);
        ASSERT_EQ(test::ToHex(actual), test::ToHex(expected))
            << "round " << round << ": text " << test::ToHex(text) << ", separator "
            << test::ToHex(separator);

        const auto views = SplitText(text, separator);
        ASSERT_EQ(std::vector<std::string>(views.begin(), views.end()),
                  test::ReferenceSplit(text, separator))
            << "round " << round << ": text " << test::ToHex(text);

        if (round % 10 == 0) {
            class Collect final : public ResultSink {
            public:
                void Reserve(std::uint64_t) override {}
                bool Append(std::string_view bytes) override {
                    out += bytes;
                    return true;
                }
                std::string out;
            } sink;
            (void)DeduplicateBlocksTo(text, separator, sink, wide);
            ASSERT_EQ(test::ToHex(sink.out), test::ToHex(expected)) << "wide, round " << round;
        }
    }
}

} // namespace
} // namespace varnel::engine
