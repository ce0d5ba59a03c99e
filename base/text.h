// Value types shared by every module: GBK text, byte buffers, text arrays, date-times.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// Text in code page 936 (GBK). By contract it holds no zero byte: whatever produces a Text from
// raw bytes cuts it at the first zero (TextUpToZero). A missing text and the empty text are one.
using Text = std::string;

// A counted byte buffer that may hold zero bytes: whole file contents, UTF-16LE and UTF-8 data.
using Bytes = std::vector<std::uint8_t>;

// An ordered array of texts.
using TextArray = std::vector<Text>;

// Days since 1899-12-30 00:00:00; the fraction is the time of day (see date_time.h).
using DateTime = double;

// The bytes up to, not including, the first zero byte; all of them when there is none.
[[nodiscard]] Text TextUpToZero(std::string_view bytes);
[[nodiscard]] Text TextUpToZero(std::span<const std::uint8_t> bytes);

[[nodiscard]] Bytes BytesOf(std::string_view chars);
[[nodiscard]] std::string_view AsChars(std::span<const std::uint8_t> bytes);
// The same bytes seen as bytes, without a copy (BytesOf copies).
[[nodiscard]] std::span<const std::uint8_t> AsBytes(std::string_view chars);

} // namespace varnel
