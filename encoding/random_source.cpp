#include "encoding/random_source.h"

#include <chrono>

namespace varnel::encoding {
namespace {

class SteadyTickClock final : public TickClock {
public:
    std::uint32_t Milliseconds() override {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    }
};

std::mutex& ProcessMutex() {
    static std::mutex mutex;
    return mutex;
}

RandomSource& ProcessSource() {
    static RandomSource source(SystemTickClock());
    return source;
}

} // namespace

void RandomSource::Reseed() {
    const std::uint32_t seed = clock_->Milliseconds() + offset_;
    state_ = seed;
    offset_ += seed % 256 + 100;
}

std::int32_t RandomSource::Draw(std::int32_t lo, std::int32_t hi) {
    // SplitMix64, the top 15 bits. Every reseed starts a new sequence from a seed that differs
    // only a little from the last, so the first values after seeding must already be well
    // mixed; the classic C library generator's are nearly linear in the seed and skip letters.
    state_ += 0x9E3779B97F4A7C15u;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    z ^= z >> 31;
    const auto r = static_cast<std::int64_t>(z >> 49);
    if (hi <= lo) {
        return lo;
    }
    const std::int64_t span = static_cast<std::int64_t>(hi) - lo + 1;
    return static_cast<std::int32_t>(lo + r % span);
}

void RandomSource::Reset(TickClock& clock) {
    clock_ = &clock;
    state_ = 1;
    offset_ = 0;
}

LockedRandomSource::LockedRandomSource() : lock_(ProcessMutex()), source_(&ProcessSource()) {}

TickClock& SystemTickClock() {
    static SteadyTickClock clock;
    return clock;
}

} // namespace varnel::encoding
