// The per-file job on small fixture files: the encodings, the separator, and every way a file is
// left untouched with the reason (unreadable, content a text cannot carry, refused, stopped).
#include "app/file_job.h"

#include <gtest/gtest.h>

#include "tests/support/file_marks.h"
#include "tests/support/hex.h"
#include "tests/support/temp_dir.h"

namespace varnel::app {
namespace {

namespace fs = std::filesystem;
using encoding::AnsiStop;
using test::EntriesIn;
using test::HexText;
using test::ReadFile;
using test::TempDir;
using test::ToHex;

FileJobSettings Settings(FileEncoding encoding, Text separator = "\r\n") {
    FileJobSettings settings;
    settings.encoding = encoding;
    settings.separator = std::move(separator);
    return settings;
}

TEST(FileEncodingFromIndex, ReadsAsAnsiUnlessUtf8OrUnicodeIsChosen) {
    EXPECT_EQ(FileEncodingFromIndex(0), FileEncoding::kAnsi);
    EXPECT_EQ(FileEncodingFromIndex(1), FileEncoding::kUtf8);
    EXPECT_EQ(FileEncodingFromIndex(2), FileEncoding::kUnicode);
    EXPECT_EQ(FileEncodingFromIndex(-1), FileEncoding::kAnsi) << "no selection";
    EXPECT_EQ(FileEncodingFromIndex(3), FileEncoding::kAnsi);
}

TEST(DeduplicateFileInPlace, RewritesEachEncodingAsCodePage936) {
    struct Case {
        const char* what;
        FileEncoding encoding;
        std::string before;
        std::string after;
        Text separator = "\r\n";
    };
    const Case cases[] = {
        {"UTF-16LE without a mark, line breaks", FileEncoding::kUnicode,
         HexText("6100 0D00 0A00 6200 0D00 0A00 6100"), "b\r\na"},
        {"UTF-16LE with its mark, which is not text", FileEncoding::kUnicode,
         HexText("FFFE 6100 0D00 0A00 6200 0D00 0A00 6100"), "b\r\na"},
        {"an odd last byte takes no part", FileEncoding::kUnicode,
         HexText("6100 0D00 0A00 6100 41"), "a"},
        {"UTF-8 converted: 中 文 中", FileEncoding::kUtf8,
         "\xE4\xB8\xAD\r\n\xE6\x96\x87\r\n\xE4\xB8\xAD", HexText("CEC4 0D0A D6D0")},
        {"UTF-8 with its mark, which is not text", FileEncoding::kUtf8,
         "\xEF\xBB\xBF"
         "a\r\nb\r\na",
         "b\r\na"},
        {"UTF-8 read as ANSI: its bytes are the blocks (é x é)", FileEncoding::kAnsi,
         "\xC3\xA9\r\nx\r\n\xC3\xA9", "x\r\n\xC3\xA9"},
        {"UTF-8 read as ANSI: the last byte of 中 pairs with the CR", FileEncoding::kAnsi,
         "\xE4\xB8\xAD\r\n\xE4\xB8\xAD", "\xE4\xB8\xAD\r\n\xE4\xB8\xAD"},
        {"ANSI keeps a UTF-8 mark as bytes of the first block", FileEncoding::kAnsi,
         "\xEF\xBB\xBF"
         "a\r\nb\r\na",
         "\xEF\xBB\xBF"
         "a\r\nb\r\na"},
        {"nothing to remove: byte for byte", FileEncoding::kAnsi, "x\r\n\xD6\xD0\r\ny",
         "x\r\n\xD6\xD0\r\ny"},
        {"a separator at the end is not restored", FileEncoding::kAnsi, "a\r\na\r\n", "a"},
        {"the typed separator", FileEncoding::kAnsi, "p,q,p", "q,p", ","},
        {"an empty typed separator changes nothing", FileEncoding::kAnsi, "a\r\na", "a\r\na", ""},
        {"empty stays empty (ANSI)", FileEncoding::kAnsi, "", ""},
        {"empty stays empty (UTF-8)", FileEncoding::kUtf8, "", ""},
        {"a mark alone is an empty text", FileEncoding::kUnicode, HexText("FFFE"), ""},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const auto path = dir.WriteFile("f.txt", c.before);
        const FileJobResult result =
            DeduplicateFileInPlace(path, Settings(c.encoding, c.separator));
        EXPECT_TRUE(result.written()) << c.what << ": " << DescribeFailure(result);
        EXPECT_EQ(ToHex(ReadFile(path)), ToHex(c.after)) << c.what;
        EXPECT_EQ(EntriesIn(dir.Path()), 1u) << c.what << ": no temporary file may remain";
    }
}

TEST(DeduplicateFileInPlace, ReportsWhatTheEngineDid) {
    TempDir dir;
    const auto path = dir.WriteFile("f.txt", "a\r\nb\r\na\r\nc");
    const FileJobResult result = DeduplicateFileInPlace(path, Settings(FileEncoding::kAnsi));
    ASSERT_TRUE(result.written());
    EXPECT_EQ(result.stats.blocksRead, 4u);
    EXPECT_EQ(result.stats.blocksKept, 3u);
    EXPECT_EQ(DescribeFailure(result), "");
}

// Content that a text cannot carry whole would be rewritten shortened: the file stays as it is
// and the first such character is named with its offset in the file.
TEST(DeduplicateFileInPlace, LeavesContentThatATextCannotCarryUntouched) {
    struct Case {
        const char* what;
        FileEncoding encoding;
        std::string content;
        AnsiStop kind;
        std::uint64_t offset;
        char32_t character;
        const char* described;
    };
    const Case cases[] = {
        {"a zero byte read as ANSI", FileEncoding::kAnsi, std::string("a\r\na\r\n\0b", 8),
         AnsiStop::kZeroCharacter, 6, 0, "a zero character at byte 6 cannot be part of a text"},
        {"U+0000 in UTF-8", FileEncoding::kUtf8, std::string("a\r\n\0a", 5),
         AnsiStop::kZeroCharacter, 3, 0, "a zero character at byte 3"},
        {"a character without a GBK form in UTF-8, after the mark", FileEncoding::kUtf8,
         "\xEF\xBB\xBF"
         "ab\r\n\xF0\x9F\x98\x80",
         AnsiStop::kNoGbkForm, 7, 0x1F600, "U+1F600 at byte 7 has no GBK form"},
        {"Hangul has no GBK form", FileEncoding::kUtf8, "a\r\n\xED\x95\x9C", AnsiStop::kNoGbkForm,
         3, 0xD55C, "U+D55C at byte 3 has no GBK form"},
        {"malformed UTF-8", FileEncoding::kUtf8, "a\r\n\xC3(", AnsiStop::kMalformed, 3, 0xFFFD,
         "invalid encoding at byte 3"},
        {"U+0000 in UTF-16", FileEncoding::kUnicode, HexText("6100 0000 6100"),
         AnsiStop::kZeroCharacter, 2, 0, "a zero character at byte 2"},
        {"a surrogate pair in UTF-16, after the mark", FileEncoding::kUnicode,
         HexText("FFFE 6100 3DD8 00DE"), AnsiStop::kNoGbkForm, 4, 0x1F600, "U+1F600 at byte 4"},
        {"a lone surrogate in UTF-16", FileEncoding::kUnicode, HexText("6100 00DC"),
         AnsiStop::kMalformed, 2, 0xDC00, "invalid encoding at byte 2"},
        {"a big-endian mark read as little-endian", FileEncoding::kUnicode, HexText("FEFF 0061"),
         AnsiStop::kNoGbkForm, 0, 0xFFFE, "U+FFFE at byte 0"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const auto path = dir.WriteFile("f.txt", c.content);
        const FileJobResult result = DeduplicateFileInPlace(path, Settings(c.encoding));
        EXPECT_EQ(result.status, FileJobStatus::kNotCarried) << c.what;
        EXPECT_EQ(result.content.kind, c.kind) << c.what;
        EXPECT_EQ(result.content.offset, c.offset) << c.what;
        EXPECT_EQ(result.content.character, c.character) << c.what;
        EXPECT_NE(DescribeFailure(result).find(c.described), std::string::npos)
            << c.what << ": " << DescribeFailure(result);
        EXPECT_EQ(ToHex(ReadFile(path)), ToHex(c.content))
            << c.what << ": the file must not change";
        EXPECT_EQ(EntriesIn(dir.Path()), 1u) << c.what;
    }
}

TEST(DeduplicateFileInPlace, AFileThatCannotBeReadIsNeverRewritten) {
    TempDir dir;
    const auto missing = dir.Path() / "missing.txt";
    const FileJobResult gone = DeduplicateFileInPlace(missing, Settings(FileEncoding::kAnsi));
    EXPECT_EQ(gone.status, FileJobStatus::kNotRead);
    ASSERT_TRUE(gone.fileError.has_value());
    EXPECT_EQ(gone.fileError->step, platform::FileStep::kOpen);
    EXPECT_FALSE(gone.fileError->reason.empty()) << "the system's reason";
    EXPECT_FALSE(fs::exists(missing)) << "the job must not create the file";

    fs::create_directory(dir.Path() / "folder.txt");
    const FileJobResult folder =
        DeduplicateFileInPlace(dir.Path() / "folder.txt", Settings(FileEncoding::kAnsi));
    EXPECT_FALSE(folder.written());
    EXPECT_TRUE(fs::is_directory(dir.Path() / "folder.txt"));
}

TEST(DeduplicateFileInPlace, AFileHeldOpenByAnotherProgramIsLeftAlone) {
    TempDir dir;
    const auto path = dir.WriteFile("busy.txt", "a\r\na");
    test::ExclusiveOpen other(path);
    if (!other.held()) {
        GTEST_SKIP() << "only Windows holds files open without sharing";
    }
    const FileJobResult result = DeduplicateFileInPlace(path, Settings(FileEncoding::kAnsi));
    EXPECT_EQ(result.status, FileJobStatus::kNotRead);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(DeduplicateFileInPlace, RefusesProtectedFilesBeforeReadingThem) {
    struct Case {
        test::FileMark mark;
        platform::FileStep step;
    };
    const Case cases[] = {
        {test::FileMark::kReadOnly, platform::FileStep::kReadOnly},
        {test::FileMark::kHidden, platform::FileStep::kHiddenOrSystem},
        {test::FileMark::kSystem, platform::FileStep::kHiddenOrSystem},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const auto path = dir.WriteFile("kept.txt", "a\r\na");
        if (!test::MarkFile(path, c.mark)) {
            continue; // hidden and system exist on Windows only
        }
        const FileJobResult result = DeduplicateFileInPlace(path, Settings(FileEncoding::kAnsi));
        EXPECT_EQ(result.status, FileJobStatus::kNotWritten);
        ASSERT_TRUE(result.fileError.has_value());
        EXPECT_EQ(result.fileError->step, c.step);
        EXPECT_EQ(ReadFile(path), "a\r\na");
        EXPECT_EQ(EntriesIn(dir.Path()), 1u);
    }
}

TEST(DeduplicateFileInPlace, AStoppedRunLeavesTheFileUntouched) {
    std::string content;
    for (int i = 0; i < 20000; ++i) {
        content += "line " + std::to_string(i % 500) + "\r\n";
    }
    TempDir dir;
    const auto path = dir.WriteFile("long.txt", content);
    int calls = 0;
    const engine::YieldHook stop = [&calls](const engine::RunProgress&) {
        ++calls;
        return engine::YieldAnswer::kStop;
    };
    FileJobSettings settings = Settings(FileEncoding::kAnsi);
    settings.yieldHook = &stop;
    settings.yieldInterval = std::chrono::milliseconds(0);
    const FileJobResult result = DeduplicateFileInPlace(path, settings);
    EXPECT_EQ(result.status, FileJobStatus::kStopped);
    EXPECT_GT(calls, 0);
    EXPECT_TRUE(ReadFile(path) == content);
}

TEST(DeduplicateFileInPlace, WorksOnNamesOutsideCodePage936) {
    TempDir dir;
    const auto path = dir.WriteFile(fs::path(u8"한국어 Ωmega.txt"), "k\r\nk");
    const FileJobResult result = DeduplicateFileInPlace(path, Settings(FileEncoding::kAnsi));
    EXPECT_TRUE(result.written()) << DescribeFailure(result);
    EXPECT_EQ(ReadFile(path), "k");
}

} // namespace
} // namespace varnel::app
