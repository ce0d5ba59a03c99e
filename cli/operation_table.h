// The operations of `varnel convert`: one row for each operation of the encoding converter but
// destroy and copy, in the converter's table order. A row names the operation, its arguments
// with their kinds and defaults, its result and how to run it; the command's argument checks,
// --list and the help of each operation all come from the rows, so adding an operation is adding
// a row.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/text.h"
#include "encoding/encoding_converter.h"

namespace varnel::cli {

enum class ValueKind {
    kText,         // GBK text
    kBig5Text,     // text in code page 950
    kBytes,        // bytes taken as they are
    kUtf8Bytes,    // UTF-8 data
    kUnicodeBytes, // UTF-16LE data
    kInt32,
    kInt64,
    kBool,
    kDateTime,
};

// Text for kText and kBig5Text, Bytes for the byte kinds, int64_t for both integer kinds.
using Value = std::variant<Text, Bytes, std::int64_t, bool, DateTime>;

// The argument values of one run, in the operation's order, already checked against their
// kinds; and a way for a row to refuse them.
class Call {
public:
    explicit Call(std::vector<Value> values) : values_(std::move(values)) {}

    [[nodiscard]] std::string_view TextAt(std::size_t i) const;
    [[nodiscard]] std::span<const std::uint8_t> BytesAt(std::size_t i) const;
    [[nodiscard]] std::int32_t Int32At(std::size_t i) const;
    [[nodiscard]] std::int64_t Int64At(std::size_t i) const;
    [[nodiscard]] bool BoolAt(std::size_t i) const;
    [[nodiscard]] DateTime DateTimeAt(std::size_t i) const;

    // The arguments are outside what the operation accepts: the run fails with this message
    // (UTF-8) and its result is not written.
    void Reject(std::string message) { rejection_ = std::move(message); }
    [[nodiscard]] const std::string& Rejection() const { return rejection_; }

private:
    std::vector<Value> values_;
    std::string rejection_;
};

struct Parameter {
    std::string_view name; // "TEXT", "FROM-BASE"
    ValueKind kind;
    std::string_view help;
    // As it would be typed; empty for a required argument.
    std::string_view defaultValue = {};
};

struct Operation {
    std::string_view method; // the converter's name, "UrlEncode"
    std::string_view summary;
    std::vector<Parameter> parameters;
    ValueKind result;
    Value (*run)(const encoding::EncodingConverter& converter, Call& call);
};

[[nodiscard]] std::span<const Operation> Operations();

// The command-line name of a converter operation: lower case, a hyphen before each inner
// capital ("Utf8ToAnsi" is "utf8-to-ansi").
[[nodiscard]] std::string CommandName(std::string_view method);

// The operation with that command-line name; nullptr when there is none.
[[nodiscard]] const Operation* FindOperation(std::string_view name);

// How a kind reads in help texts: "text", "64-bit integer", "true|false", ...
[[nodiscard]] std::string_view DescribeKind(ValueKind kind);

[[nodiscard]] bool IsTextOrBytes(ValueKind kind);

} // namespace varnel::cli
