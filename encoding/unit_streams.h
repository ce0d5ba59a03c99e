// Where the codecs read UTF-16 code units from and write their output to: UTF-16 strings,
// UTF-16LE byte buffers, or counters that only size a result. Internal to the encoding module.
#pragma once

#include <cstddef>
#include <cstdint>
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
        return static_cast<char16_t>(bytes_[2 * i] | bytes_[2 * i + 1] << 8);
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
    [[nodiscard]] std::size_t Count() const { return count_; }

private:
    std::size_t count_ = 0;
};

class Utf16Writer {
public:
    explicit Utf16Writer(std::span<char16_t> out)
        : begin_(out.data()), next_(out.data()), end_(out.data() + out.size()) {}
    bool Put(char16_t unit) {
        if (next_ == end_)
            return false;
        *next_++ = unit;
        return true;
    }
    bool Put(char16_t high, char16_t low) {
        if (end_ - next_ < 2)
            return false;
        next_[0] = high;
        next_[1] = low;
        next_ += 2;
        return true;
    }
    [[nodiscard]] std::size_t Count() const { return static_cast<std::size_t>(next_ - begin_); }

private:
    char16_t* begin_;
    char16_t* next_;
    char16_t* end_;
};

class Utf16LeWriter {
public:
    explicit Utf16LeWriter(std::span<std::uint8_t> out)
        : begin_(out.data()), next_(out.data()), end_(out.data() + (out.size() & ~std::size_t{1})) {
    }
    bool Put(char16_t unit) {
        if (next_ == end_)
            return false;
        next_[0] = static_cast<std::uint8_t>(unit);
        next_[1] = static_cast<std::uint8_t>(unit >> 8);
        next_ += 2;
        return true;
    }
    bool Put(char16_t high, char16_t low) {
        if (end_ - next_ < 4)
            return false;
        Put(high);
        return Put(low);
    }
    [[nodiscard]] std::size_t Count() const { return static_cast<std::size_t>(next_ - begin_) / 2; }

private:
    std::uint8_t* begin_;
    std::uint8_t* next_;
    std::uint8_t* end_;
};

// Sinks for bytes. A character's bytes are put together, so none is ever split at the end.
class ByteCounter {
public:
    bool Put(std::uint8_t) {
        ++count_;
        return true;
    }
    bool Put(std::uint8_t, std::uint8_t) {
        count_ += 2;
        return true;
    }
    bool Put(const std::uint8_t*, std::size_t n) {
        count_ += n;
        return true;
    }
    [[nodiscard]] std::size_t Count() const { return count_; }

private:
    std::size_t count_ = 0;
};

class ByteWriter {
public:
    explicit ByteWriter(std::span<char> out)
        : begin_(out.data()), next_(out.data()), end_(out.data() + out.size()) {}
    bool Put(std::uint8_t b) {
        if (next_ == end_)
            return false;
        *next_++ = static_cast<char>(b);
        return true;
    }
    bool Put(std::uint8_t a, std::uint8_t b) {
        if (end_ - next_ < 2)
            return false;
        next_[0] = static_cast<char>(a);
        next_[1] = static_cast<char>(b);
        next_ += 2;
        return true;
    }
    bool Put(const std::uint8_t* bytes, std::size_t n) {
        if (static_cast<std::size_t>(end_ - next_) < n)
            return false;
        for (std::size_t i = 0; i < n; ++i)
            next_[i] = static_cast<char>(bytes[i]);
        next_ += n;
        return true;
    }
    [[nodiscard]] std::size_t Count() const { return static_cast<std::size_t>(next_ - begin_); }

private:
    char* begin_;
    char* next_;
    char* end_;
};

} // namespace varnel::encoding::detail
