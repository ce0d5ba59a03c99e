// The random source behind RandomDigit, RandomLetter and RandomText: one seedable generator for
// the whole process with values 0 to 32767, reseeded before every draw from the millisecond tick
// count plus a running offset, so that reseeds within one millisecond still differ.
#pragma once

#include <cstdint>
#include <mutex>

namespace varnel::encoding {

// A millisecond tick count that wraps at 2^32; tests substitute a fixed one.
class TickClock {
public:
    virtual ~TickClock() = default;
    [[nodiscard]] virtual std::uint32_t Milliseconds() = 0;
};

// The generator and its seed offset. Not locked itself: use the process's one through
// LockedRandomSource.
class RandomSource {
public:
    explicit RandomSource(TickClock& clock) : clock_(&clock) {}

    // Seeds the generator with ticks + offset, then advances the offset by
    // ((ticks + offset) mod 256) + 100, all modulo 2^32.
    void Reseed();
    // lo + r mod (hi - lo + 1), r the generator's next value (0 to 32767); lo when hi <= lo.
    [[nodiscard]] std::int32_t Draw(std::int32_t lo, std::int32_t hi);

    [[nodiscard]] std::uint32_t SeedOffset() const { return offset_; }
    // Back to the state at process start (offset 0) with another clock.
    void Reset(TickClock& clock);

private:
    TickClock* clock_;
    std::uint64_t state_ = 1;
    std::uint32_t offset_ = 0;
};

// Holds the process's random source locked, so that one operation's reseeds and draws are never
// interleaved with another thread's.
class LockedRandomSource {
public:
    LockedRandomSource();
    RandomSource& operator*() { return *source_; }
    RandomSource* operator->() { return source_; }

private:
    std::unique_lock<std::mutex> lock_;
    RandomSource* source_;
};

// The system's steady clock in milliseconds (GetTickCount's role).
[[nodiscard]] TickClock& SystemTickClock();

} // namespace varnel::encoding
