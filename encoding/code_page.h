// Conversions between the code pages 936 (GBK), 950 (BIG5), 65001 (UTF-8) and UTF-16, with the
// results of MultiByteToWideChar / WideCharToMultiByte (flags 0) on Windows, from our own tables:
// nothing here asks the operating system, so no result depends on the system's code pages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace varnel::encoding {

enum class CodePage { kGbk = 936, kBig5 = 950, kUtf8 = 65001 };

// As MultiByteToWideChar(cp, 0, ...): every byte decoded, zero bytes included.
// 936 / 950: a lead byte (81..FE) followed by any non-zero byte consumes both bytes, and a pair
// without a character gives "?"; a lead byte before a zero byte or at the end gives "?".
// UTF-8: each invalid or truncated sequence gives U+FFFD; a byte-order mark gives U+FEFF.
[[nodiscard]] std::u16string MultiByteToUtf16(CodePage cp, std::string_view bytes);

// As WideCharToMultiByte(cp, 0, ..., defaultChar): a code unit without a form in the code page
// gives defaultChar (best-fit forms count as forms; each half of a surrogate pair and each lone
// surrogate has none); for UTF-8 a lone surrogate gives EF BF BD (defaultChar unused).
[[nodiscard]] std::string Utf16ToMultiByte(CodePage cp, std::u16string_view units,
                                           char defaultChar = '?');

// Bytes of code page `from` in code page `to`, through UTF-16: the two conversions above.
[[nodiscard]] std::string Recode(CodePage from, CodePage to, std::string_view bytes,
                                 char defaultChar = '?');

// The same conversions in the platform's two-call form, on UTF-16 little-endian code units held
// in bytes (two per unit, low byte first; an odd last byte takes no part): first ask for the size
// of the result, then convert into a buffer of that size. The converting calls write at most
// `out.size()` bytes, stop before a character that does not fit, and return how many code units
// or bytes they wrote.
[[nodiscard]] std::size_t Utf16UnitCount(CodePage cp, std::string_view bytes);
std::size_t MultiByteToUtf16Le(CodePage cp, std::string_view bytes, std::span<std::uint8_t> out);
[[nodiscard]] std::size_t MultiByteCount(CodePage cp, std::span<const std::uint8_t> utf16le);
std::size_t Utf16LeToMultiByte(CodePage cp, std::span<const std::uint8_t> utf16le,
                               std::span<char> out, char defaultChar = '?');

} // namespace varnel::encoding
