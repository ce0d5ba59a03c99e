// Writes an image as a PNG file, uncompressed (deflate's stored blocks): enough for the
// screenshots that the GUI tests save for people to look at.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace varnel::test {

// `rgb`: width * height pixels of three bytes (red, green, blue), rows from the top. False when
// the file could not be written.
[[nodiscard]] bool WritePng(const std::filesystem::path& path, int width, int height,
                            std::span<const std::uint8_t> rgb);

} // namespace varnel::test
