// One value of an INI file on disk, read and written the way GetPrivateProfileStringA and
// WritePrivateProfileStringA do it (see ini_format.h for the format), with these differences,
// all of them repairs:
// - a write never leaves a half-written file: the new content goes to a new file that then takes
//   the old one's place; any failure leaves the old file as it was;
// - a value is read back at most kMaxValueBytes long and never cut inside a double-byte character;
// - a CR or LF byte in a value is stored as "┊r┊" or "┊n┊" (GBK A9 AE 72 A9 AE / A9 AE 6E A9 AE)
//   and read back as CR or LF, so a value can neither end its line nor add a key; a stored text
//   that itself holds one of these marks reads back with the line break in its place;
// - a value that starts or ends with white space, or that is enclosed in a pair of matching
//   quotes, is written inside double quotes, which the reader (and Windows) removes again, so it
//   reads back as it was written;
// - a default comes back as it was given (cut to the buffer like any value), where Windows drops
//   its trailing spaces and a pair of enclosing quotes: a control restored from a value never
//   stored keeps its text;
// - a file that begins with a UTF-8 or UTF-16 (little- or big-endian) byte-order mark is read in
//   that encoding and written back in it, mark included; names and values stay GBK for the caller.
#pragma once

#include <filesystem>
#include <string_view>

#include "base/text.h"

namespace varnel::settings {

// The read buffer holds 10240 bytes, the last one for the terminating zero.
inline constexpr std::size_t kMaxValueBytes = 10239;

// The value of `key` in `section` of the file at `path`; `defaultText` when the file, the
// section, the key or its "=" is missing or the file cannot be read.
[[nodiscard]] Text ReadIniValue(const std::filesystem::path& path, std::string_view section,
                                std::string_view key, std::string_view defaultText);

// Sets `key` in `section` of the file at `path` to `value`, creating the file (not its folder)
// when it is missing. False when nothing was written: the path is empty, the file cannot be read
// or replaced, or the section or key holds a CR or LF (it could not be stored as one line).
[[nodiscard]] bool WriteIniValue(const std::filesystem::path& path, std::string_view section,
                                 std::string_view key, std::string_view value);

// The cut at kMaxValueBytes: the first kMaxValueBytes bytes, one less when the last of them would
// be the first byte of a double-byte character.
[[nodiscard]] Text CutToReadBuffer(std::string_view text);

// The value as stored in the file, and back (the CR / LF marks and the protective quotes).
[[nodiscard]] Text EncodeIniValue(std::string_view value);
[[nodiscard]] Text DecodeIniValue(std::string_view stored);

} // namespace varnel::settings
