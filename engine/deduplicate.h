// Duplicate block removal: a text is cut into blocks at every separator, every block that occurs
// again later is dropped, and the survivors are joined again with the separator.
//
// Blocks are compared byte for byte. Of each group of equal blocks only the last survives; the
// survivors keep their order. A separator at the very end makes no block and is not restored;
// empty survivors before the first non-empty one vanish with their separators. A text of fewer
// than two blocks (and any text when the separator is empty) comes back unchanged.
//
// The work is linear in the bytes and blocks: blocks are found with a fast separator search,
// recognised again by hashing, and joined in one pass. Memory is the input plus a small constant
// per block; nothing is allocated per block.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace varnel::engine {

// The blocks of `text`: views into it, in text order. No blocks for the empty text; one block
// (the whole text) for the empty separator.
[[nodiscard]] std::vector<std::string_view> SplitText(std::string_view text,
                                                      std::string_view separator);

enum class YieldAnswer { kContinue, kStop };

// Where a run stands when it yields: each phase counts its own bytes up to its total.
struct RunProgress {
    enum class Phase {
        kFindingBlocks, // bytes of the text searched for separators
        kComparing,     // bytes of blocks recognised (from the last block back to the first)
        kJoining,       // bytes of the result handed to the sink
    };
    Phase phase = Phase::kFindingBlocks;
    std::uint64_t done = 0;
    std::uint64_t total = 0;
};

// Called now and then while a run works (never when the text has fewer than two blocks), so that
// a window can process its messages or a console show progress; answering kStop ends the run
// early without a result.
using YieldHook = std::function<YieldAnswer(const RunProgress&)>;

// Receives the result in pieces, in order. Reserve() announces the exact total size first.
class ResultSink {
public:
    virtual ~ResultSink() = default;
    virtual void Reserve(std::uint64_t totalBytes) = 0;
    // False when the bytes could not be taken (a closed pipe, say); the run then stops.
    [[nodiscard]] virtual bool Append(std::string_view bytes) = 0;
};

struct DeduplicateOptions {
    const YieldHook* yieldHook = nullptr;
    // The longest stretch of work between two yields, as far as the engine can tell.
    std::chrono::milliseconds yieldInterval{10};
    // 64-bit block offsets also for texts under 4 GiB (above that they are used anyway); lets
    // tests cover both layouts.
    bool wideOffsets = false;
};

enum class RunOutcome {
    kCompleted,
    kStopped,    // the yield hook asked to stop: the sink holds an incomplete result
    kSinkFailed, // the sink refused bytes
};

struct DeduplicateStats {
    RunOutcome outcome = RunOutcome::kCompleted;
    std::uint64_t blocksRead = 0;
    std::uint64_t blocksKept = 0;
    std::uint64_t bytesIn = 0;
    std::uint64_t bytesOut = 0;
};

// Streams the result into `sink`.
[[nodiscard]] DeduplicateStats DeduplicateBlocksTo(std::string_view text,
                                                   std::string_view separator, ResultSink& sink,
                                                   const DeduplicateOptions& options = {});

// The result as a new text.
[[nodiscard]] Text DeduplicateBlocks(std::string_view text, std::string_view separator);

// The same with a yield hook in the options; nullopt when the hook asked to stop.
[[nodiscard]] std::optional<Text> DeduplicateBlocks(std::string_view text,
                                                    std::string_view separator,
                                                    const DeduplicateOptions& options);

} // namespace varnel::engine
