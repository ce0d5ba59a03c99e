#include "settings/file_registry.h"

#include <cstdlib>
#include <system_error>
#include <vector>

#include "base/gbk_text.h"
#include "base/hex_digit.h"
#include "encoding/code_page.h"
#include "platform/file_io.h"

namespace varnel::settings {

namespace {

using encoding::CodePage;

struct NamedValue {
    Text name;
    RegistryValue value;
};

struct Key {
    Text path;
    std::vector<NamedValue> values;
};

// The whole tree, keys in file order.
struct Tree {
    std::vector<Key> keys;
};

Text Fold(std::string_view name) {
    return gbk::AsciiLower(name);
}

std::string Quote(std::string_view gbk, bool raw) {
    const std::string text =
        raw ? std::string(gbk) : encoding::Recode(CodePage::kGbk, CodePage::kUtf8, gbk);
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20 || byte == 0x7F || (raw && byte >= 0x80)) {
            out += "\\x";
            AppendHexByte(out, byte);
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

// Reads a quoted text at `pos` (white space before it skipped); nullopt when there is none.
std::optional<std::string> Unquote(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && line[pos] == ' ') {
        ++pos;
    }
    if (pos >= line.size() || line[pos] != '"') {
        return std::nullopt;
    }
    std::string out;
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            return out;
        }
        if (c == '\\' && pos + 1 < line.size()) {
            c = line[++pos];
            if (c == 'r') {
                c = '\r';
            } else if (c == 'n') {
                c = '\n';
            } else if (c == 'x' && pos + 2 < line.size() && HexDigitValue(line[pos + 1]) >= 0 &&
                       HexDigitValue(line[pos + 2]) >= 0) {
                c = static_cast<char>(HexDigitValue(line[pos + 1]) * 16 +
                                      HexDigitValue(line[pos + 2]));
                pos += 2;
            }
        }
        out += c;
    }
    return std::nullopt;
}

std::string_view Word(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && line[pos] == ' ') {
        ++pos;
    }
    const std::size_t start = pos;
    while (pos < line.size() && line[pos] != ' ') {
        ++pos;
    }
    return line.substr(start, pos - start);
}

constexpr std::string_view TypeWord(RegistryType type) {
    switch (type) {
    case RegistryType::kString:
        return "sz";
    case RegistryType::kExpandString:
        return "expand_sz";
    case RegistryType::kOther:
        break;
    }
    return "other";
}

Tree Parse(std::string_view text) {
    Tree tree;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        std::size_t pos = 0;
        const std::string_view word = Word(line, pos);
        if (word == "key") {
            if (const auto path = Unquote(line, pos)) {
                tree.keys.push_back(
                    Key{encoding::Recode(CodePage::kUtf8, CodePage::kGbk, *path), {}});
            }
        } else if (word == "value" && !tree.keys.empty()) {
            const auto name = Unquote(line, pos);
            const std::string_view type = Word(line, pos);
            const auto data = Unquote(line, pos);
            if (!name || !data) {
                continue;
            }
            RegistryValue value;
            value.type = type == "sz"          ? RegistryType::kString
                         : type == "expand_sz" ? RegistryType::kExpandString
                                               : RegistryType::kOther;
            value.text = value.type == RegistryType::kOther
                             ? *data
                             : encoding::Recode(CodePage::kUtf8, CodePage::kGbk, *data);
            tree.keys.back().values.push_back(
                NamedValue{encoding::Recode(CodePage::kUtf8, CodePage::kGbk, *name), value});
        }
    }
    return tree;
}

std::string Serialize(const Tree& tree) {
    std::string out = "# varnel registry emulation: HKEY_CLASSES_ROOT\n";
    for (const Key& key : tree.keys) {
        out += "key " + Quote(key.path, false) + "\n";
        for (const NamedValue& v : key.values) {
            const bool raw = v.value.type == RegistryType::kOther;
            out += "value " + Quote(v.name, false) + " " + std::string(TypeWord(v.value.type)) +
                   " " + Quote(v.value.text, raw) + "\n";
        }
    }
    return out;
}

// The tree in the file; an empty tree for a missing file; nullopt when it cannot be read.
std::optional<Tree> Load(const std::filesystem::path& file) {
    if (file.empty()) {
        return std::nullopt;
    }
    const std::optional<Bytes> content = platform::ReadFileIfPresent(file);
    if (!content) {
        return std::nullopt;
    }
    return Parse(AsChars(*content));
}

bool Save(const std::filesystem::path& file, const Tree& tree) {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    return !platform::ReplaceFileContent(file, BytesOf(Serialize(tree))).has_value();
}

Key* FindKey(Tree& tree, std::string_view path) {
    for (Key& key : tree.keys) {
        if (gbk::EqualsIgnoringAsciiCase(key.path, path)) {
            return &key;
        }
    }
    return nullptr;
}

// The levels of a key path: "A\B" gives "A" and "A\B". nullopt when a level name is empty.
std::optional<std::vector<std::string_view>> Levels(std::string_view path) {
    std::vector<std::string_view> levels;
    if (path.empty()) {
        return levels;
    }
    for (std::size_t pos = 0;;) {
        std::size_t next = gbk::Find(path, "\\", pos);
        if (next == gbk::kNotFound) {
            next = path.size();
        }
        if (next == pos) {
            return std::nullopt;
        }
        levels.push_back(path.substr(0, next));
        if (next == path.size()) {
            return levels;
        }
        pos = next + 1;
    }
}

} // namespace

FileRegistry::FileRegistry(std::filesystem::path file) : file_(std::move(file)) {}

bool FileRegistry::SetValue(std::string_view keyPath, std::string_view name,
                            const RegistryValue& value) {
    std::optional<Tree> tree = Load(file_);
    const auto levels = Levels(keyPath);
    if (!tree || !levels) {
        return false;
    }
    for (const std::string_view level : *levels) {
        if (!FindKey(*tree, level)) {
            tree->keys.push_back(Key{Text(level), {}});
        }
    }
    // The root itself is stored as the key with the empty path.
    Key* key = FindKey(*tree, keyPath);
    if (!key) {
        tree->keys.push_back(Key{Text(keyPath), {}});
        key = &tree->keys.back();
    }
    for (NamedValue& v : key->values) {
        if (gbk::EqualsIgnoringAsciiCase(v.name, name)) {
            v.value = value;
            return Save(file_, *tree);
        }
    }
    key->values.push_back(NamedValue{Text(name), value});
    return Save(file_, *tree);
}

std::optional<RegistryValue> FileRegistry::GetValue(std::string_view keyPath,
                                                    std::string_view name) {
    std::optional<Tree> tree = Load(file_);
    if (!tree) {
        return std::nullopt;
    }
    const Key* key = FindKey(*tree, keyPath);
    if (!key) {
        return std::nullopt;
    }
    for (const NamedValue& v : key->values) {
        if (gbk::EqualsIgnoringAsciiCase(v.name, name)) {
            return v.value;
        }
    }
    return std::nullopt;
}

bool FileRegistry::DeleteKey(std::string_view keyPath) {
    std::optional<Tree> tree = Load(file_);
    if (!tree) {
        return false;
    }
    const Text prefix = Fold(keyPath) + "\\";
    std::erase_if(tree->keys, [&](const Key& key) {
        return gbk::EqualsIgnoringAsciiCase(key.path, keyPath) ||
               Fold(key.path).starts_with(prefix);
    });
    return Save(file_, *tree);
}

Text FileRegistry::ExpandEnvironment(std::string_view text) {
    return ExpandReferences(text, EnvironmentVariable);
}

std::filesystem::path DefaultRegistryFile() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && *config != '\0') {
        return std::filesystem::path(config) / "varnel" / "registry.txt";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / ".config" / "varnel" / "registry.txt";
    }
    return {};
}

Text ExpandReferences(std::string_view text,
                      const std::function<std::optional<Text>(std::string_view name)>& lookup) {
    Text out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find('%', pos);
        if (open == std::string_view::npos) {
            break;
        }
        const std::size_t close = text.find('%', open + 1);
        if (close == std::string_view::npos) {
            break;
        }
        out.append(text.substr(pos, open - pos));
        const std::string_view name = text.substr(open + 1, close - open - 1);
        std::optional<Text> value;
        if (!name.empty()) {
            value = lookup(name);
        }
        if (value) {
            out += *value;
            pos = close + 1;
        } else {
            // Unknown: the "%" stays and the closing one may open the next reference.
            out.append(text.substr(open, close - open));
            pos = close;
        }
    }
    out.append(text.substr(pos));
    return out;
}

} // namespace varnel::settings
