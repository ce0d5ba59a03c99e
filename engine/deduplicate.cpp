#include "engine/deduplicate.h"

#include <xxhash.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "engine/separator_scanner.h"

namespace varnel::engine {

namespace {

using Clock = std::chrono::steady_clock;

// Long blocks are hashed, compared and written in pieces of this size, so that even a single
// huge block never keeps the engine from yielding for long.
constexpr std::size_t kPiece = std::size_t{1} << 20;
// Bookkeeping of one block (a hash slot probe, a bit), weighed as bytes of work.
constexpr std::uint64_t kWorkPerBlock = 64;
// Work between two looks at the clock: small against 10 ms, large against the cost of a look.
constexpr std::uint64_t kWorkBetweenClockChecks = 256 * 1024;

// Calls the yield hook whenever the interval has passed since the last call, judged every few
// hundred kilobytes of work. Disabled until the text is known to hold at least two blocks.
class Pacer {
public:
    explicit Pacer(const DeduplicateOptions& options)
        : hook_(options.yieldHook), interval_(options.yieldInterval), last_(Clock::now()) {}

    void Enable() { enabled_ = hook_ != nullptr && *hook_; }

    void StartPhase(RunProgress::Phase phase, std::uint64_t total) {
        progress_ = RunProgress{phase, 0, total};
    }
    void SetDone(std::uint64_t done) { progress_.done = done; }

    // Records `work` bytes of work; false once the hook asked to stop.
    bool Account(std::uint64_t work) {
        if (!enabled_) {
            return !stopped_;
        }
        pending_ += work;
        if (pending_ < kWorkBetweenClockChecks) {
            return true;
        }
        pending_ = 0;
        if (Clock::now() - last_ < interval_) {
            return true;
        }
        if ((*hook_)(progress_) == YieldAnswer::kStop) {
            stopped_ = true;
            enabled_ = false;
        }
        last_ = Clock::now();
        return !stopped_;
    }

private:
    const YieldHook* hook_;
    Clock::duration interval_;
    Clock::time_point last_;
    RunProgress progress_;
    std::uint64_t pending_ = 0;
    bool enabled_ = false;
    bool stopped_ = false;
};

// Block i spans from starts[i] to the separator before starts[i + 1], or to the end of the text
// for a last block that has no separator after it. A text that ends with a separator has one
// start more than blocks: that final start is the end of the text.
template <typename Offset> struct Blocks {
    std::string_view text;
    std::size_t separatorSize = 0;
    std::vector<Offset> starts;
    std::size_t count = 0;

    // Offsets never exceed the text's size, so they always fit in size_t.
    [[nodiscard]] std::size_t Begin(std::size_t i) const {
        return static_cast<std::size_t>(starts[i]);
    }
    [[nodiscard]] std::size_t End(std::size_t i) const {
        return i + 1 < starts.size() ? static_cast<std::size_t>(starts[i + 1]) - separatorSize
                                     : text.size();
    }
    [[nodiscard]] std::string_view Get(std::size_t i) const {
        return text.substr(Begin(i), End(i) - Begin(i));
    }
};

template <typename Offset>
bool FindBlocks(std::string_view text, std::string_view separator, Blocks<Offset>& blocks,
                Pacer& pacer) {
    blocks.text = text;
    blocks.separatorSize = separator.size();
    blocks.starts.push_back(0);
    SeparatorScanner scanner(text, separator);
    pacer.StartPhase(RunProgress::Phase::kFindingBlocks, text.size());
    std::size_t searched = 0;
    while (!scanner.AtEnd()) {
        const std::size_t limit = std::min(text.size(), scanner.Position() + kPiece);
        const std::size_t found = scanner.Next(limit);
        if (found == SeparatorScanner::kNone) {
            pacer.SetDone(limit);
            if (!pacer.Account(limit - searched)) {
                return false;
            }
            searched = limit;
            continue;
        }
        const std::size_t next = found + separator.size();
        blocks.starts.push_back(static_cast<Offset>(next));
        if (next < text.size()) {
            // Text after a separator: there are at least two blocks from here on.
            pacer.Enable();
        }
        pacer.SetDone(next);
        if (!pacer.Account(next - searched + kWorkPerBlock)) {
            return false;
        }
        searched = next;
    }
    blocks.count =
        blocks.starts.back() == text.size() ? blocks.starts.size() - 1 : blocks.starts.size();
    return true;
}

std::uint64_t Hash(std::string_view block, Pacer& pacer) {
    if (block.size() <= kPiece) {
        return XXH3_64bits(block.data(), block.size());
    }
    XXH3_state_t state;
    XXH3_64bits_reset(&state);
    for (std::size_t at = 0; at < block.size(); at += kPiece) {
        const std::size_t size = std::min(kPiece, block.size() - at);
        XXH3_64bits_update(&state, block.data() + at, size);
        if (!pacer.Account(size)) {
            return 0;
        }
    }
    return XXH3_64bits_digest(&state);
}

bool Equal(std::string_view a, std::string_view b, Pacer& pacer) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t at = 0; at < a.size(); at += kPiece) {
        const std::size_t size = std::min(kPiece, a.size() - at);
        if (std::memcmp(a.data() + at, b.data() + at, size) != 0) {
            return false;
        }
        if (size == kPiece && !pacer.Account(size)) {
            return false;
        }
    }
    return true;
}

class SurvivorSet {
public:
    explicit SurvivorSet(std::size_t count) : bits_((count + 63) / 64, 0) {}
    void Mark(std::size_t i) { bits_[i / 64] |= std::uint64_t{1} << (i % 64); }
    [[nodiscard]] bool Has(std::size_t i) const { return (bits_[i / 64] >> (i % 64)) & 1; }

private:
    std::vector<std::uint64_t> bits_;
};

// A block survives when no equal block follows it. Walking from the last block to the first, a
// block survives exactly when no equal block has been seen yet: one open-addressing table of
// block indexes (with a few hash bits to skip most comparisons) answers that.
template <typename Offset>
bool SelectSurvivors(const Blocks<Offset>& blocks, SurvivorSet& survivors, std::size_t& kept,
                     Pacer& pacer) {
    struct Slot {
        Offset indexPlusOne; // 0 marks an empty slot
        Offset tag;
    };
    std::size_t capacity = 16;
    while (capacity < blocks.count + blocks.count / 2) {
        capacity *= 2;
    }
    const std::size_t mask = capacity - 1;
    std::vector<Slot> table(capacity, Slot{0, 0});
    kept = 0;
    pacer.StartPhase(RunProgress::Phase::kComparing, blocks.text.size());
    // Blocks are hashed a batch at a time and their slots prefetched, so that the table's cache
    // misses overlap instead of queueing one after another. Within and across batches the blocks
    // are still looked up from the last to the first.
    constexpr std::size_t kBatch = 16;
    std::uint64_t hashes[kBatch];
    for (std::size_t batchEnd = blocks.count; batchEnd > 0;) {
        const std::size_t batchBegin = batchEnd > kBatch ? batchEnd - kBatch : 0;
        for (std::size_t i = batchEnd; i-- > batchBegin;) {
            const std::uint64_t hash = Hash(blocks.Get(i), pacer);
            hashes[i - batchBegin] = hash;
            __builtin_prefetch(&table[static_cast<std::size_t>(hash) & mask]);
        }
        // A likely duplicate will be compared with the block in its home slot: fetch that too.
        for (std::size_t i = batchEnd; i-- > batchBegin;) {
            const std::uint64_t hash = hashes[i - batchBegin];
            const Slot& home = table[static_cast<std::size_t>(hash) & mask];
            if (home.indexPlusOne != 0 && home.tag == static_cast<Offset>(hash >> 32)) {
                __builtin_prefetch(blocks.text.data() +
                                   blocks.Begin(static_cast<std::size_t>(home.indexPlusOne - 1)));
            }
        }
        for (std::size_t i = batchEnd; i-- > batchBegin;) {
            const std::string_view block = blocks.Get(i);
            const std::uint64_t hash = hashes[i - batchBegin];
            const auto tag = static_cast<Offset>(hash >> 32);
            for (std::size_t pos = static_cast<std::size_t>(hash) & mask;; pos = (pos + 1) & mask) {
                Slot& slot = table[pos];
                if (slot.indexPlusOne == 0) {
                    slot = Slot{static_cast<Offset>(i + 1), tag};
                    survivors.Mark(i);
                    ++kept;
                    break;
                }
                if (slot.tag == tag &&
                    Equal(blocks.Get(static_cast<std::size_t>(slot.indexPlusOne - 1)), block,
                          pacer)) {
                    break;
                }
            }
            pacer.SetDone(blocks.text.size() - blocks.Begin(i));
            if (!pacer.Account(block.size() + kWorkPerBlock)) {
                return false;
            }
        }
        batchEnd = batchBegin;
    }
    return true;
}

// Joins the survivors. Each survivor after the first non-empty one is preceded by a separator,
// and in the input every block but the first is preceded by one too, so "separator + block" is
// a stretch of the input; stretches of neighbouring survivors run together and go out as one.
template <typename Offset>
RunOutcome Join(const Blocks<Offset>& blocks, const SurvivorSet& survivors, ResultSink& sink,
                std::uint64_t& bytesOut, Pacer& pacer) {
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < blocks.count; ++i) {
        if (!survivors.Has(i)) {
            continue;
        }
        const std::size_t size = blocks.End(i) - blocks.Begin(i);
        if (total > 0) {
            total += blocks.separatorSize + size;
        } else {
            total = size;
        }
    }
    sink.Reserve(total);
    bytesOut = total;
    pacer.StartPhase(RunProgress::Phase::kJoining, total);
    std::uint64_t written = 0;

    std::size_t rangeBegin = 0;
    std::size_t rangeEnd = 0;
    bool started = false;
    const auto flush = [&]() {
        for (std::size_t at = rangeBegin; at < rangeEnd; at += kPiece) {
            const std::size_t size = std::min(kPiece, rangeEnd - at);
            if (!sink.Append(blocks.text.substr(at, size))) {
                return RunOutcome::kSinkFailed;
            }
            written += size;
            pacer.SetDone(written);
            if (!pacer.Account(size)) {
                return RunOutcome::kStopped;
            }
        }
        return RunOutcome::kCompleted;
    };
    for (std::size_t i = 0; i < blocks.count; ++i) {
        if (!survivors.Has(i)) {
            continue;
        }
        const std::size_t begin = blocks.Begin(i);
        const std::size_t end = blocks.End(i);
        if (!started) {
            if (begin == end) {
                continue; // an empty survivor before any content vanishes with its separator
            }
            started = true;
            rangeBegin = begin;
            rangeEnd = end;
            continue;
        }
        const std::size_t withSeparator = begin - blocks.separatorSize;
        if (withSeparator != rangeEnd) {
            if (const RunOutcome outcome = flush(); outcome != RunOutcome::kCompleted) {
                return outcome;
            }
            rangeBegin = withSeparator;
        }
        rangeEnd = end;
        if (!pacer.Account(kWorkPerBlock)) {
            return RunOutcome::kStopped;
        }
    }
    return started ? flush() : RunOutcome::kCompleted;
}

// Fewer than two blocks: the text comes back as it is.
DeduplicateStats PassThrough(std::string_view text, std::uint64_t blockCount, ResultSink& sink) {
    DeduplicateStats stats;
    stats.bytesIn = stats.bytesOut = text.size();
    stats.blocksRead = stats.blocksKept = blockCount;
    sink.Reserve(text.size());
    if (!text.empty() && !sink.Append(text)) {
        stats.outcome = RunOutcome::kSinkFailed;
    }
    return stats;
}

template <typename Offset>
DeduplicateStats Run(std::string_view text, std::string_view separator, ResultSink& sink,
                     const DeduplicateOptions& options) {
    DeduplicateStats stats;
    stats.bytesIn = text.size();
    Pacer pacer(options);
    Blocks<Offset> blocks;
    if (!FindBlocks(text, separator, blocks, pacer)) {
        stats.outcome = RunOutcome::kStopped;
        return stats;
    }
    if (blocks.count < 2) {
        return PassThrough(text, blocks.count, sink);
    }
    stats.blocksRead = blocks.count;
    SurvivorSet survivors(blocks.count);
    std::size_t kept = 0;
    if (!SelectSurvivors(blocks, survivors, kept, pacer)) {
        stats.outcome = RunOutcome::kStopped;
        return stats;
    }
    stats.blocksKept = kept;
    stats.outcome = Join(blocks, survivors, sink, stats.bytesOut, pacer);
    return stats;
}

class TextSink final : public ResultSink {
public:
    explicit TextSink(Text& out) : out_(out) {}
    void Reserve(std::uint64_t totalBytes) override {
        out_.reserve(static_cast<std::size_t>(totalBytes));
    }
    bool Append(std::string_view bytes) override {
        out_.append(bytes);
        return true;
    }

private:
    Text& out_;
};

} // namespace

std::vector<std::string_view> SplitText(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> blocks;
    if (text.empty()) {
        return blocks;
    }
    if (separator.empty()) {
        blocks.push_back(text);
        return blocks;
    }
    SeparatorScanner scanner(text, separator);
    std::size_t begin = 0;
    for (std::size_t found; (found = scanner.Next()) != SeparatorScanner::kNone;) {
        blocks.push_back(text.substr(begin, found - begin));
        begin = found + separator.size();
    }
    if (begin < text.size()) {
        blocks.push_back(text.substr(begin));
    }
    return blocks;
}

DeduplicateStats DeduplicateBlocksTo(std::string_view text, std::string_view separator,
                                     ResultSink& sink, const DeduplicateOptions& options) {
    if (text.empty() || separator.empty()) {
        return PassThrough(text, text.empty() ? 0 : 1, sink);
    }
    // 32-bit offsets halve the memory per block whenever the text allows them.
    if (!options.wideOffsets && text.size() < std::numeric_limits<std::uint32_t>::max()) {
        return Run<std::uint32_t>(text, separator, sink, options);
    }
    return Run<std::uint64_t>(text, separator, sink, options);
}

Text DeduplicateBlocks(std::string_view text, std::string_view separator) {
    Text result;
    TextSink sink(result);
    (void)DeduplicateBlocksTo(text, separator, sink);
    return result;
}

std::optional<Text> DeduplicateBlocks(std::string_view text, std::string_view separator,
                                      const DeduplicateOptions& options) {
    Text result;
    TextSink sink(result);
    if (DeduplicateBlocksTo(text, separator, sink, options).outcome != RunOutcome::kCompleted) {
        return std::nullopt;
    }
    return result;
}

} // namespace varnel::engine
