#include "tests/settings/ini_cases.h"

namespace varnel::settings::test {

using namespace std::string_literals;

namespace {

constexpr auto R = IniOp::kRead;
constexpr auto W = IniOp::kWrite;
const std::optional<std::string> kNoFile;

std::string LongValue(std::size_t n, const std::string& tail) {
    return std::string(n, 'a') + tail;
}

} // namespace

const std::vector<IniCase>& IniCases() {
    static const std::vector<IniCase> cases = {
        // Reads: finding sections and keys.
        {"read", R, "[s]\r\nk=v\r\n", "s", "k", "d", "v"},
        {"missing key gives the default", R, "[s]\r\nk=v\r\n", "s", "x", "d", "d"},
        {"missing section gives the default", R, "[s]\r\nk=v\r\n", "t", "k", "d", "d"},
        {"missing file gives the default", R, kNoFile, "s", "k", "d", "d"},
        {"ASCII letters match in any case", R, "[S]\r\nK=v\r\n", "s", "k", "d", "v"},
        {"GBK names", R, "[\xD6\xD0]\r\n\xCE\xC4=\xD7\xD6\r\n", "\xD6\xD0", "\xCE\xC4", "d",
         "\xD7\xD6"},
        {"a trail byte is no letter to fold", R, "[s]\r\n\xB0\x41=1\r\n", "s", "\xB0\x61", "d",
         "d"},
        {"full-width letters do not fold", R, "[s]\r\n\xA3\xC1=1\r\n", "s", "\xA3\xE1", "d", "d"},
        {"a trail byte 5D does not close a section", R, "[\x81\x5D]\r\nk=v\r\n", "\x81\x5D", "k",
         "d", "v"},
        {"white space around lines and names", R, "  [ s ]  \r\n \t k \t= \t v \t\r\n", "s", "k",
         "d", "v"},
        {"white space around the names asked for", R, "[s]\r\nk=v\r\n", " s ", " k ", "d", "v"},
        {"VT, FF and 1A count as white space", R, "[s]\r\nk=\x0Bv\x0C\x1A\r\n", "s", "k", "d", "v"},
        {"the ideographic space is no white space", R, "[s]\r\nk=\xA1\xA1v\xA1\xA1\r\n", "s", "k",
         "d", "\xA1\xA1v\xA1\xA1"},
        {"inner spaces of a key name count", R, "[s]\r\na b=v\r\n", "s", "a b", "d", "v"},
        {"a section name runs to the last ]", R, "[a]b]\r\nk=v\r\n", "a]b", "k", "d", "v"},
        {"text after the ] is ignored", R, "[s] x\r\nk=v\r\n", "s", "k", "d", "v"},
        {"[ without ] opens no section", R, "[s\r\nk=v\r\n", "s", "k", "d", "d"},
        {"keys before any section belong to none", R, "k=v\r\n[s]\r\n", "s", "k", "d", "d"},
        {"duplicate key: the first wins", R, "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "d", "1"},
        {"duplicate section: only the first is searched", R, "[s]\r\na=1\r\n[s]\r\nb=2\r\n", "s",
         "b", "d", "d"},
        {"duplicate section: the first one's value", R, "[s]\r\na=1\r\n[s]\r\na=2\r\n", "s", "a",
         "d", "1"},
        {"a line without = is a key without value", R, "[s]\r\nk\r\n", "s", "k", "d", "d"},
        {"and hides a later line of that key", R, "[s]\r\nk\r\nk=v\r\n", "s", "k", "d", "d"},
        {"no comments: ;k is a key", R, "[s]\r\n;k=v\r\n", "s", ";k", "d", "v"},
        {"no comments: #k is a key", R, "[s]\r\n#k=v\r\n", "s", "#k", "d", "v"},
        {"a ;-line does not give its key", R, "[s]\r\n;k=v\r\n", "s", "k", "d", "d"},
        {"an empty value", R, "[s]\r\nk=\r\n", "s", "k", "d", ""},
        {"= inside the value", R, "[s]\r\nk=a=b\r\n", "s", "k", "d", "a=b"},
        // Reads: quotes.
        {"double quotes go", R, "[s]\r\nk=\"v \"\r\n", "s", "k", "d", "v "},
        {"single quotes go", R, "[s]\r\nk='v '\r\n", "s", "k", "d", "v "},
        {"quotes outside white space go", R, "[s]\r\nk= \"a\" \r\n", "s", "k", "d", "a"},
        {"an empty pair of quotes", R, "[s]\r\nk=\"\"\r\n", "s", "k", "d", ""},
        {"unmatched quotes stay", R, "[s]\r\nk=\"v '\r\n", "s", "k", "d", "\"v '"},
        {"a lone quote stays", R, "[s]\r\nk=\"\r\n", "s", "k", "d", "\""},
        {"quotes not at both ends stay", R, "[s]\r\nk=\"a\" b\r\n", "s", "k", "d", "\"a\" b"},
        // Reads: line ends.
        {"no final line break", R, "[s]\r\nk=v", "s", "k", "d", "v"},
        {"LF line ends", R, "[s]\nk=v\n", "s", "k", "d", "v"},
        {"CR line ends in a file without LF", R, "[s]\rk=v\r", "s", "k", "d", "v"},
        {"CR inside a line of a file with LF", R, "[s]\rk=v\nz=1\n", "s", "z", "d", "1"},
        {"blank lines", R, "\r\n\r\n[s]\r\n\r\nk=v\r\n", "s", "k", "d", "v"},
        {"a zero byte ends nothing but its value", R, "[s]\r\nk=a\0b\r\nj=c\r\n"s, "s", "j", "d",
         "c"},
        // Reads: the default.
        {"the default keeps trailing spaces", R, "[s]\r\n", "s", "k", "d  ", "d  ", "d"},
        {"and leading ones", R, "[s]\r\n", "s", "k", "  d", "  d"},
        {"and enclosing quotes", R, "[s]\r\n", "s", "k", "'d' ", "'d' ", "d"},
        {"a default with one quote", R, "[s]\r\n", "s", "k", "\"d", "\"d"},
        {"no default", R, "[s]\r\n", "s", "k", "", ""},
        // Reads: the buffer of 10240 bytes.
        {"a long value is cut at 10239 bytes", R, "[s]\r\nk=" + LongValue(10300, "") + "\r\n", "s",
         "k", "d", LongValue(10239, "")},
        // Wine counts 10239 bytes but leaves the last one unwritten: "#" is the byte the test
        // filled the buffer with. Windows is not measured here.
        {"never inside a double-byte character", R,
         "[s]\r\nk=" + LongValue(10238, "\xD6\xD0") + "\r\n", "s", "k", "d", LongValue(10238, ""),
         std::nullopt, LongValue(10238, "#")},
        // Reads: encodings.
        {"UTF-8 with a byte-order mark", R, "\xEF\xBB\xBF[s]\r\nk=\xE4\xB8\xAD\r\n", "s", "k", "d",
         "\xD6\xD0"},
        {"UTF-8 names", R, "\xEF\xBB\xBF[\xE4\xB8\xAD]\r\n\xE6\x96\x87=1\r\n", "\xD6\xD0",
         "\xCE\xC4", "d", "1"},
        // E4 B8 AD 53: the byte after a UTF-8 character is no trail byte, and "S" folds.
        {"ASCII letters after a UTF-8 character fold", R, "\xEF\xBB\xBF[\xE4\xB8\xADS]\r\nK=1\r\n",
         "\xD6\xD0s", "k", "d", "1"},
        {"UTF-16LE with a byte-order mark", R, "\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0\x2D\x4E\r\0\n\0"s,
         "s", "k", "d", "\xD6\xD0"},
        {"UTF-16BE with a byte-order mark", R, "\xFE\xFF\0[\0s\0]\0\r\0\n\0k\0=\x4E\x2D\0\r\0\n"s,
         "s", "k", "d", "\xD6\xD0"},
        // Reads: our marks for a lone CR and LF.
        {"CR and LF marks", R,
         "[s]\r\nk=a\xA9\xAEr\xA9\xAE\xA9\xAEn\xA9\xAE"
         "b\r\n",
         "s", "k", "d", "a\r\nb",
         "a\xA9\xAEr\xA9\xAE\xA9\xAEn\xA9\xAE"
         "b"},

        // Writes: where new lines go.
        {"a new file", W, kNoFile, "s", "k", "v", "[s]\r\nk=v\r\n"},
        {"an empty file", W, "", "s", "k", "v", "[s]\r\nk=v\r\n"},
        {"a new section goes last", W, "[a]\r\nx=1\r\n", "s", "k", "v",
         "[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
        {"after a last line without line break", W, "[a]\r\nx=1", "s", "k", "v",
         "[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
        {"after blank lines at the end", W, "[a]\r\nx=1\r\n\r\n", "s", "k", "v",
         "[a]\r\nx=1\r\n\r\n[s]\r\nk=v\r\n", std::nullopt, "[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
        {"a new key goes last in its section", W, "[s]\r\nx=1\r\n[b]\r\ny=2\r\n", "s", "k", "v",
         "[s]\r\nx=1\r\nk=v\r\n[b]\r\ny=2\r\n"},
        {"before the blank lines that end the section", W, "[s]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n", "s",
         "k", "v", "[s]\r\nx=1\r\nk=v\r\n\r\n[b]\r\ny=2\r\n", std::nullopt,
         "[s]\r\nx=1\r\nk=v\r\n[b]\r\ny=2\r\n"},
        {"a new key after a last line without break", W, "[s]\r\nx=1", "s", "k", "v",
         "[s]\r\nx=1\r\nk=v\r\n"},
        {"a new key in the first of two sections", W, "[s]\r\na=1\r\n[s]\r\nb=2\r\n", "s", "b", "v",
         "[s]\r\na=1\r\nb=v\r\n[s]\r\nb=2\r\n"},
        {"no section: before the first section", W, "[a]\r\nx=1\r\n", "", "k", "v",
         "k=v\r\n[a]\r\nx=1\r\n"},
        {"no section: after the keys before it", W, "y=2\r\n[a]\r\nx=1\r\n", "", "k", "v",
         "y=2\r\nk=v\r\n[a]\r\nx=1\r\n"},
        {"an empty key name", W, "[s]\r\n", "s", "", "v", "[s]\r\n=v\r\n"},
        // Writes: replacing a value.
        {"a value is replaced in place", W, "[s]\r\nk=old\r\nz=1\r\n", "s", "k", "v",
         "[s]\r\nk=v\r\nz=1\r\n"},
        {"the file's own spelling of the key stays", W, "[S]\r\n  K  =  old  \r\nz=1\r\n", "s", "k",
         "v", "[S]\r\nK=v\r\nz=1\r\n"},
        {"a key without = gets one", W, "[s]\r\nk\r\n", "s", "k", "v", "[s]\r\nk=v\r\n"},
        {"an empty value", W, "[s]\r\nk=1\r\n", "s", "k", "", "[s]\r\nk=\r\n"},
        {"names lose leading white space only", W, "", "  s  ", " k ", "v", "[s  ]\r\nk =v\r\n"},
        {"a key asked with trailing spaces", W, "[s]\r\nk=1\r\n", "s  ", "k  ", "v",
         "[s]\r\nk=v\r\n"},
        {"GBK names and values", W, "", "\xD6\xD0", "\xCE\xC4", "\xD7\xD6",
         "[\xD6\xD0]\r\n\xCE\xC4=\xD7\xD6\r\n"},
        // Writes: the rest of the file stays as it was.
        {"comments and blank lines stay", W, "; c\r\n[s]\r\n\r\n  ; c2 \r\nk=old\r\n", "s", "k",
         "v", "; c\r\n[s]\r\n\r\n  ; c2 \r\nk=v\r\n", std::nullopt,
         "; c\r\n[s]\r\n; c2\r\nk=v\r\n"},
        {"LF line ends stay", W, "[s]\nk=old\nz=1\n", "s", "k", "v", "[s]\nk=v\nz=1\n",
         std::nullopt, "[s]\r\nk=v\r\nz=1\r\n"},
        {"leading blank lines stay", W, "\r\n[s]\r\nk=1\r\n\r\n", "s", "j", "v",
         "\r\n[s]\r\nk=1\r\nj=v\r\n\r\n", std::nullopt, "[s]\r\nk=1\r\nj=v\r\n"},
        {"other values stay byte for byte", W, "[s]\r\nk=v\x1A\r\n", "s", "z", "2",
         "[s]\r\nk=v\x1A\r\nz=2\r\n", std::nullopt, "[s]\r\nk=v\r\nz=2\r\n"},
        // Writes: encodings stay.
        {"a UTF-8 file stays UTF-8", W, "\xEF\xBB\xBF[s]\r\nk=x\r\n", "s", "k", "\xD6\xD0",
         "\xEF\xBB\xBF[s]\r\nk=\xE4\xB8\xAD\r\n"},
        {"a UTF-16LE file stays UTF-16LE", W, "\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0x\0\r\0\n\0"s, "s",
         "k", "\xD6\xD0", "\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0\x2D\x4E\r\0\n\0"s},
        // Writes: values that Windows would not read back as written.
        {"a lone LF is marked", W, "[s]\r\n", "s", "k", "a\nb=c",
         "[s]\r\nk=a\xA9\xAEn\xA9\xAE"
         "b=c\r\n",
         "[s]\r\nk=a\nb=c\r\n"},
        {"a lone CR is marked", W, "[s]\r\n", "s", "k", "a\rb",
         "[s]\r\nk=a\xA9\xAEr\xA9\xAE"
         "b\r\n",
         "[s]\r\nk=a\rb\r\n"},
        {"spaces around a value are kept in quotes", W, "[s]\r\n", "s", "k", " v ",
         "[s]\r\nk=\" v \"\r\n", "[s]\r\nk=v \r\n"},
        {"tabs too", W, "[s]\r\n", "s", "k", "\tv\t", "[s]\r\nk=\"\tv\t\"\r\n", "[s]\r\nk=v\t\r\n"},
        {"a quoted value keeps its quotes", W, "[s]\r\n", "s", "k", "\"q\"",
         "[s]\r\nk=\"\"q\"\"\r\n", "[s]\r\nk=\"q\"\r\n"},
    };
    return cases;
}

} // namespace varnel::settings::test
