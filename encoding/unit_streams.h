// Where the codecs read UTF-16 code units from and write their output to: UTF-16 strings,
// UTF-16LE byte buffers, counters that only size a result, and unchecked writers for stretches
// whose room the caller has already proven. Internal to the encoding module.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

namespace varnel::encoding::detail {

// Code units of a UTF-16 string.
class Utf16Units {
public:
    explicit Utf16Units(std::u16string_view units) : units_(units) {}
    [[nodiscard]] std::size_t size() const { return units_.size(); }
    [[nodiscard]] char16_t operator[](std::size_t i) const { return units_[i]; }

private:
    std::u16string_view units_;
};

// Code units held as UTF-16LE bytes; an odd last byte takes no part.
class Utf16LeUnits {
public:
    explicit Utf16LeUnits(std::span<const std::uint8_t> bytes)
        : bytes_(bytes.data()), size_(bytes.size() / 2) {}
    [[nodiscard]] std::size_t size() const { return size_; }
    [[nodiscard]] char16_t operator[](std::size_t i) const {
        if constexpr (std::endian::native == std::endian::little) {
            char16_t unit;
            std::memcpy(&unit, bytes_ + 2 * i, 2);
            return unit;
        } else {
            return static_cast<char16_t>(bytes_[2 * i] | bytes_[2 * i + 1] << 8);
        }
    }

private:
    const std::uint8_t* bytes_;
    std::size_t size_;
};

// Sinks for code units. Put returns false, writing nothing, when the unit (or the surrogate pair)
// does not fit.
class UnitCounter {
public:
    bool Put(char16_t) {
        ++count_;
        return true;
    }
    bool Put(char16_t, char16_t) {
        count_ += 2;
        return true;
    }
    std::size_t PutAscii(const std::uint8_t*, std::size_t n) {
        count_ += n;
        return n;
    }
    [[nodiscard]] std::size_t Count() const { return count_; }

private:
    std::size_t count_ = 0;
};

// Writes code units as char16_t (Unit = char16_t) or as UTF-16LE bytes (Unit = std::uint8_t).
// Checked: every Put first looks at the room left.
template <class Unit, bool kChecked> class UnitWriter {
public:
    static constexpr std::size_t kStep = sizeof(char16_t) / sizeof(Unit);

    UnitWriter(Unit* begin, std::size_t units)
        : begin_(begin), next_(begin), end_(begin + kStep * units) {}

    bool Put(char16_t unit) {
        if (kChecked && next_ == end_)
            return false;
        Store(next_, unit);
        next_ += kStep;
        return true;
    }
    bool Put(char16_t high, char16_t low) {
        if (kChecked && static_cast<std::size_t>(end_ - next_) < 2 * kStep)
            return false;
        Store(next_, high);
        Store(next_ + kStep, low);
        next_ += 2 * kStep;
        return true;
    }
    // As many of the bytes as fit, each as a code unit; returns how many.
    std::size_t PutAscii(const std::uint8_t* bytes, std::size_t n) {
        if (kChecked) {
            n = std::min(n, static_cast<std::size_t>(end_ - next_) / kStep);
        }
        for (std::size_t i = 0; i < n; ++i) {
            Store(next_ + i * kStep, bytes[i]);
        }
        next_ += n * kStep;
        return n;
    }
    [[nodiscard]] std::size_t Count() const {
        return static_cast<std::size_t>(next_ - begin_) / kStep;
    }

private:
    static void Store(Unit* at, char16_t unit) {
        if constexpr (kStep == 1) {
            *at = unit;
        } else if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(at, &unit, 2);
        } else {
            at[0] = static_cast<std::uint8_t>(unit);
            at[1] = static_cast<std::uint8_t>(unit >> 8);
        }
    }

    Unit* begin_;
    Unit* next_;
    Unit* end_;
};

// Sink for bytes. A character's bytes are put together, so none is ever split at the end.
template <bool kChecked> class ByteWriterOf {
public:
    ByteWriterOf(char* begin, std::size_t size) : begin_(begin), next_(begin), end_(begin + size) {}

    bool Put(std::uint8_t b) {
        if (kChecked && next_ == end_)
            return false;
        *next_++ = static_cast<char>(b);
        return true;
    }
    bool Put(std::uint8_t a, std::uint8_t b) {
        if (kChecked && end_ - next_ < 2)
            return false;
        next_[0] = static_cast<char>(a);
        next_[1] = static_cast<char>(b);
        next_ += 2;
        return true;
    }
    bool Put(const std::uint8_t* bytes, std::size_t n) {
        if (kChecked && static_cast<std::size_t>(end_ - next_) < n)
            return false;
        std::memcpy(next_, bytes, n);
        next_ += n;
        return true;
    }
    [[nodiscard]] std::size_t Count() const { return static_cast<std::size_t>(next_ - begin_); }

private:
    char* begin_;
    char* next_;
    char* end_;
};

// Length of the run of ASCII bytes (below 0x80) at the start of p[0, n).
[[nodiscard]] inline std::size_t AsciiRun(const std::uint8_t* p, std::size_t n) {
    std::size_t i = 0;
    while (i + 8 <= n) {
        std::uint64_t word;
        std::memcpy(&word, p + i, 8);
        if (word & 0x8080808080808080u)
            break;
        i += 8;
    }
    while (i < n && p[i] < 0x80)
        ++i;
    return i;
}

[[nodiscard]] inline std::uint64_t Load64(const std::uint8_t* p) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    if constexpr (std::endian::native == std::endian::big)
        word = __builtin_bswap64(word);
    return word; // byte k of p in bits 8k..8k+7
}

// Puts the run of ASCII bytes that starts at p[i] (up to `limit`) and moves i past what fitted;
// false when the sink filled up.
template <class Sink>
bool PutAsciiRun(const std::uint8_t* p, std::size_t& i, std::size_t limit, Sink& sink) {
    const std::size_t run = AsciiRun(p + i, limit - i);
    const std::size_t put = sink.PutAscii(p + i, run);
    i += put;
    return put == run;
}

} // namespace varnel::encoding::detail
