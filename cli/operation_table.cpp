#include "cli/operation_table.h"

#include "cli/terminal_text.h"
#include "encoding/radix_conversion.h"

namespace varnel::cli {
namespace {

using encoding::EncodingConverter;
using K = ValueKind;

constexpr std::string_view kTextHelp = "the text";
constexpr std::string_view kBytesHelp = "the bytes";
constexpr std::string_view kDigitsHelp = "the digits";

Value Number(std::int32_t value) {
    return std::int64_t{value};
}

// ConvertRadix through the variant that says why a result is empty, so that a bad digit or
// base fails the run with the program's own message instead of printing nothing.
Value RunConvertRadix(const EncodingConverter&, Call& call) {
    const std::int32_t fromBase = call.Int32At(1);
    const encoding::RadixConversion conversion =
        encoding::ConvertRadixReporting(call.TextAt(0), fromBase, call.Int32At(2));
    switch (conversion.error) {
    case encoding::RadixError::kNone:
        break;
    case encoding::RadixError::kBadBase:
        call.Reject("a base must be from 2 to 36");
        break;
    case encoding::RadixError::kBadDigit:
        call.Reject("byte " + std::to_string(conversion.offset + 1) + " is no base-" +
                    std::to_string(fromBase) + " digit: " + Utf8FromText(conversion.diagnostic));
        break;
    }
    return conversion.text;
}

// clang-format off
const std::vector<Operation> kOperations = {
    {"UrlDecode", "Decode %HL escapes (either case); '+' stays '+', a decoded zero byte is dropped",
     {{"TEXT", K::kText, kTextHelp}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.UrlDecode(a.TextAt(0)); }},
    {"UrlEncode", "Write every byte but * , - . / 0-9 @ A-Z _ a-z as %HL",
     {{"TEXT", K::kText, kTextHelp}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.UrlEncode(a.TextAt(0)); }},
    {"RandomDigit", "One random digit", {}, K::kText,
     [](const EncodingConverter& c, Call&) -> Value { return c.RandomDigit(); }},
    {"RandomLetter", "One random letter, A-Z or a-z", {}, K::kText,
     [](const EncodingConverter& c, Call&) -> Value { return c.RandomLetter(); }},
    {"RandomText", "Random digits and letters, each position a digit with probability one half",
     {{"COUNT", K::kInt32, "how many characters; 0 means 32, a negative count gives nothing",
       "0"}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.RandomText(a.Int32At(0)); }},
    {"HexToBytes", "Bytes from pairs of hexadecimal digits; an odd last digit is a byte of its own",
     {{"HEX", K::kText, kDigitsHelp}}, K::kBytes,
     [](const EncodingConverter& c, Call& a) -> Value { return c.HexToBytes(a.TextAt(0)); }},
    {"TextToInteger", "A number text as a 32-bit integer (modulo 2^32)",
     {{"TEXT", K::kText, kTextHelp},
      {"KIND", K::kInt32, "0 hexadecimal, 1 decimal (the leading number, truncated), 2 octal, "
                          "3 binary; any other kind gives 0", "1"}}, K::kInt32,
     [](const EncodingConverter& c, Call& a) -> Value {
         return Number(c.TextToInteger(a.TextAt(0),
                                       static_cast<encoding::NumberKind>(a.Int32At(1))));
     }},
    {"BytesToHex", "Each byte as uppercase hexadecimal, a byte below 16 as one digit",
     {{"BYTES", K::kBytes, kBytesHelp}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.BytesToHex(a.BytesAt(0)); }},
    {"PercentEncodeBytes", "Every byte as an escape character and two hexadecimal digits",
     {{"BYTES", K::kBytes, kBytesHelp},
      {"PERCENT", K::kBool, "true: escape with '%'; false: with '='", "false"}}, K::kBytes,
     [](const EncodingConverter& c, Call& a) -> Value {
         return c.PercentEncodeBytes(a.BytesAt(0), a.BoolAt(1));
     }},
    {"PercentDecodeBytes", "One byte from the two digits of each group of three ('%41', '=41')",
     {{"ESCAPED", K::kBytes, "the escaped bytes"}}, K::kBytes,
     [](const EncodingConverter& c, Call& a) -> Value {
         return c.PercentDecodeBytes(a.BytesAt(0));
     }},
    {"Base64Encode", "Base64 (standard alphabet, '=' padding, no line breaks)",
     {{"BYTES", K::kBytes, kBytesHelp}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.Base64Encode(a.BytesAt(0)); }},
    {"Base64Decode", "Bytes from Base64; nothing is skipped, so a line break shifts the groups",
     {{"BASE64", K::kBytes, "the Base64 characters"}}, K::kBytes,
     [](const EncodingConverter& c, Call& a) -> Value { return c.Base64Decode(a.BytesAt(0)); }},
    {"AnsiToUnicode", "GBK text as UTF-16LE, with one terminating zero code unit",
     {{"TEXT", K::kText, kTextHelp}}, K::kUnicodeBytes,
     [](const EncodingConverter& c, Call& a) -> Value { return c.AnsiToUnicode(a.TextAt(0)); }},
    {"UnicodeToAnsi", "UTF-16LE as GBK text, ended by a zero unit or a character GBK lacks",
     {{"UTF16", K::kUnicodeBytes, "the UTF-16LE code units"}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.UnicodeToAnsi(a.BytesAt(0)); }},
    {"Utf8ToUnicode", "UTF-8 as UTF-16LE",
     {{"UTF8", K::kUtf8Bytes, "the UTF-8 bytes"}}, K::kUnicodeBytes,
     [](const EncodingConverter& c, Call& a) -> Value { return c.Utf8ToUnicode(a.BytesAt(0)); }},
    {"UnicodeToUtf8", "UTF-16LE as UTF-8",
     {{"UTF16", K::kUnicodeBytes, "the UTF-16LE code units"}}, K::kUtf8Bytes,
     [](const EncodingConverter& c, Call& a) -> Value { return c.UnicodeToUtf8(a.BytesAt(0)); }},
    {"AnsiToUtf8", "GBK text as UTF-8, with one terminating zero byte",
     {{"TEXT", K::kText, kTextHelp}}, K::kUtf8Bytes,
     [](const EncodingConverter& c, Call& a) -> Value { return c.AnsiToUtf8(a.TextAt(0)); }},
    {"Utf8ToAnsi", "UTF-8 as GBK text, ended by a zero byte or a character GBK lacks",
     {{"UTF8", K::kUtf8Bytes, "the UTF-8 bytes"}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.Utf8ToAnsi(a.BytesAt(0)); }},
    {"TextToUnicodeHex", "Four hexadecimal digits per UTF-16 code unit, high byte first",
     {{"TEXT", K::kText, kTextHelp}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value {
         return c.TextToUnicodeHex(a.TextAt(0));
     }},
    {"UnicodeHexToText", "Text from four hexadecimal digits per UTF-16 code unit",
     {{"HEX", K::kText, kDigitsHelp}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value {
         return c.UnicodeHexToText(a.TextAt(0));
     }},
    {"SimplifiedToTraditional", "Simplified Chinese characters replaced by traditional ones",
     {{"TEXT", K::kText, kTextHelp}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value {
         return c.SimplifiedToTraditional(a.TextAt(0));
     }},
    {"TraditionalToSimplified", "Traditional Chinese characters replaced by simplified ones",
     {{"TEXT", K::kText, kTextHelp}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value {
         return c.TraditionalToSimplified(a.TextAt(0));
     }},
    {"Big5ToGbk", "BIG5 text as GBK text, ended by a character GBK lacks",
     {{"BIG5", K::kBig5Text, "the BIG5 text"}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.Big5ToGbk(a.TextAt(0)); }},
    {"Big5ToSimplified", "BIG5 text as GBK text in simplified characters",
     {{"BIG5", K::kBig5Text, "the BIG5 text"}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value {
         return c.Big5ToSimplified(a.TextAt(0));
     }},
    {"GbkToBig5", "GBK text as BIG5 text, ended by a character BIG5 lacks",
     {{"TEXT", K::kText, kTextHelp}}, K::kBig5Text,
     [](const EncodingConverter& c, Call& a) -> Value { return c.GbkToBig5(a.TextAt(0)); }},
    {"SimplifiedToBig5", "GBK text as BIG5 text in traditional characters",
     {{"TEXT", K::kText, kTextHelp}}, K::kBig5Text,
     [](const EncodingConverter& c, Call& a) -> Value {
         return c.SimplifiedToBig5(a.TextAt(0));
     }},
    {"ToTraditional", "The same as simplified-to-traditional",
     {{"TEXT", K::kText, kTextHelp}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.ToTraditional(a.TextAt(0)); }},
    {"ToSimplified", "The same as traditional-to-simplified",
     {{"TEXT", K::kText, kTextHelp}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.ToSimplified(a.TextAt(0)); }},
    {"FormatGmtDate", "A date-time in the cookie style 'Sun, 6-Jan-2013 9:5:3 GMT'",
     {{"DATE-TIME", K::kDateTime, "the time to label GMT (no time-zone conversion)"}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value {
         return c.FormatGmtDate(a.DateTimeAt(0));
     }},
    {"AsciiCode", "The code of one printable ASCII character (32 to 126); 0 for any other text",
     {{"TEXT", K::kText, kTextHelp}}, K::kInt32,
     [](const EncodingConverter& c, Call& a) -> Value { return Number(c.AsciiCode(a.TextAt(0))); }},
    {"AsciiChar", "The printable ASCII character of a code from 32 to 126; nothing otherwise",
     {{"CODE", K::kInt32, "the character code"}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.AsciiChar(a.Int32At(0)); }},
    {"ZonePositionCode", "The GB2312 zone and position of a character as four digits (B0A1: 1601)",
     {{"TEXT", K::kText, "one character"}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value {
         return c.ZonePositionCode(a.TextAt(0));
     }},
    {"InternalCodeHex", "The first and last GBK byte in hexadecimal, a byte below 128 as 1HL",
     {{"TEXT", K::kText, "one character (its first and last byte count)"}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value {
         return c.InternalCodeHex(a.TextAt(0));
     }},
    {"ConvertRadix", "Digits in one base written in another, bases 2 to 36, exact at any length",
     {{"DIGITS", K::kText, "the digits (any case, full-width forms too)"},
      {"FROM-BASE", K::kInt32, "the base of DIGITS, 2 to 36"},
      {"TO-BASE", K::kInt32, "the base to write, 2 to 36"}}, K::kText, RunConvertRadix},
    {"BaseTextToInteger", "Digits 0-9A-F in a base as a 32-bit integer; nothing is checked",
     {{"DIGITS", K::kText, "the digits; a byte that is none counts -2"},
      {"BASE", K::kInt32, "the base"}}, K::kInt32,
     [](const EncodingConverter& c, Call& a) -> Value {
         return Number(c.BaseTextToInteger(a.TextAt(0), a.Int32At(1)));
     }},
    {"HexToInteger", "Hexadecimal digits as a 32-bit integer (FFFFFFFF is -1)",
     {{"HEX", K::kText, "the digits; a byte that is none counts -2"}}, K::kInt32,
     [](const EncodingConverter& c, Call& a) -> Value {
         return Number(c.HexToInteger(a.TextAt(0)));
     }},
    {"IntegerToHex", "An integer in hexadecimal without leading zeros (0 gives nothing)",
     {{"VALUE", K::kInt64, "the value; a negative one gives its two's complement digits"},
      {"COLOUR", K::kBool, "true: the three lowest bytes, lowest first, as RRGGBB", "false"}},
     K::kText,
     [](const EncodingConverter& c, Call& a) -> Value {
         return c.IntegerToHex(a.Int64At(0), a.BoolAt(1));
     }},
    {"ByteToHex", "Two hexadecimal digits of a byte value (of its lowest byte)",
     {{"VALUE", K::kInt32, "0 to 255"}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.ByteToHex(a.Int32At(0)); }},
    {"IntegerToBinary", "A positive integer in binary; nothing for 0 and negative values",
     {{"VALUE", K::kInt32, "the value"}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value {
         return c.IntegerToBinary(a.Int32At(0));
     }},
    {"BinaryToInteger", "Binary digits as a 32-bit integer; each byte counts as a decimal digit",
     {{"DIGITS", K::kText, kDigitsHelp}}, K::kInt32,
     [](const EncodingConverter& c, Call& a) -> Value {
         return Number(c.BinaryToInteger(a.TextAt(0)));
     }},
    {"IntegerToOctal", "An integer in octal without leading zeros (0 gives nothing)",
     {{"VALUE", K::kInt64, "the value; a negative one gives its two's complement digits"}},
     K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.IntegerToOctal(a.Int64At(0)); }},
    {"TrimLeadingZeros", "The text without its leading '0' characters",
     {{"TEXT", K::kText, kTextHelp}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value {
         return c.TrimLeadingZeros(a.TextAt(0));
     }},
    {"OctalToInteger", "Octal digits as a 32-bit integer; each byte counts as a decimal digit",
     {{"DIGITS", K::kText, kDigitsHelp}}, K::kInt32,
     [](const EncodingConverter& c, Call& a) -> Value {
         return Number(c.OctalToInteger(a.TextAt(0)));
     }},
    {"IntegerToIpv4", "The four lowest bytes, lowest first, as a dotted IPv4 address",
     {{"VALUE", K::kInt64, "the address value; beyond 32 bits gives 255.255.255.255"}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.IntegerToIpv4(a.Int64At(0)); }},
    {"ReverseText", "The bytes in reverse order (a double-byte character's bytes swap too)",
     {{"TEXT", K::kText, kTextHelp}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.ReverseText(a.TextAt(0)); }},
    {"ReverseByPairs", "Reversed in units of two bytes: the characters of a Chinese text reversed; "
                       "an odd first byte is lost",
     {{"TEXT", K::kText, kTextHelp}}, K::kText,
     [](const EncodingConverter& c, Call& a) -> Value { return c.ReverseByPairs(a.TextAt(0)); }},
};
// clang-format on

} // namespace

std::string_view Call::TextAt(std::size_t i) const {
    return std::get<Text>(values_.at(i));
}

std::span<const std::uint8_t> Call::BytesAt(std::size_t i) const {
    return std::get<Bytes>(values_.at(i));
}

std::int32_t Call::Int32At(std::size_t i) const {
    return static_cast<std::int32_t>(std::get<std::int64_t>(values_.at(i)));
}

std::int64_t Call::Int64At(std::size_t i) const {
    return std::get<std::int64_t>(values_.at(i));
}

bool Call::BoolAt(std::size_t i) const {
    return std::get<bool>(values_.at(i));
}

DateTime Call::DateTimeAt(std::size_t i) const {
    return std::get<DateTime>(values_.at(i));
}

std::span<const Operation> Operations() {
    return kOperations;
}

std::string CommandName(std::string_view method) {
    std::string name;
    for (std::size_t i = 0; i < method.size(); ++i) {
        const char c = method[i];
        if (c >= 'A' && c <= 'Z') {
            if (i != 0) {
                name += '-';
            }
            name += static_cast<char>(c - 'A' + 'a');
        } else {
            name += c;
        }
    }
    return name;
}

const Operation* FindOperation(std::string_view name) {
    for (const Operation& operation : kOperations) {
        if (CommandName(operation.method) == name) {
            return &operation;
        }
    }
    return nullptr;
}

std::string_view DescribeKind(ValueKind kind) {
    switch (kind) {
    case ValueKind::kText:
        return "text";
    case ValueKind::kBig5Text:
        return "BIG5 text";
    case ValueKind::kBytes:
        return "bytes";
    case ValueKind::kUtf8Bytes:
        return "UTF-8 bytes";
    case ValueKind::kUnicodeBytes:
        return "UTF-16LE bytes";
    case ValueKind::kInt32:
        return "integer";
    case ValueKind::kInt64:
        return "64-bit integer";
    case ValueKind::kBool:
        return "true|false";
    case ValueKind::kDateTime:
        return "date-time";
    }
    return "value";
}

bool IsTextOrBytes(ValueKind kind) {
    switch (kind) {
    case ValueKind::kText:
    case ValueKind::kBig5Text:
    case ValueKind::kBytes:
    case ValueKind::kUtf8Bytes:
    case ValueKind::kUnicodeBytes:
        return true;
    default:
        return false;
    }
}

} // namespace varnel::cli
