#include "cli/separator_escapes.h"

#include <gtest/gtest.h>

namespace varnel::cli {
namespace {

TEST(UnescapeSeparator, TurnsEscapesIntoBytes) {
    struct Case {
        const char* typed;
        std::string bytes;
    };
    const Case cases[] = {
        {"\\r\\n", "\r\n"},
        {"\\n", "\n"},
        {"\\t|", "\t|"},
        {"a\\\\b", "a\\b"},
        {"\\xD6\\xd0", "\xD6\xD0"},
        {"\\X41", "A"},
        {"\\x00", std::string(1, '\0')},
        {"", ""},
        {",", ","},
        {"\x81\\n", "\x81\\n"}, // 5C is the second byte of a double-byte character here
    };
    for (const auto& c : cases) {
        const auto result = UnescapeSeparator(c.typed);
        EXPECT_EQ(result.error, "") << c.typed;
        EXPECT_EQ(result.bytes, c.bytes) << c.typed;
    }
}

TEST(UnescapeSeparator, RejectsUnknownAndIncompleteEscapes) {
    for (const char* typed : {"\\q", "a\\", "\\x4", "\\xG0", "\\x"}) {
        EXPECT_NE(UnescapeSeparator(typed).error, "") << typed;
    }
}

} // namespace
} // namespace varnel::cli
