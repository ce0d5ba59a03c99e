// Implementation of GenerateCorpus (a template, so that the generator can stream to a file).
#pragma once

namespace varnel::bench {

namespace corpus_detail {

// SplitMix64: small, fast, and the same on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint64_t Below(std::uint64_t n) { return Next() % n; }

private:
    std::uint64_t state_;
};

// Line number k always has the same content.
inline void AppendLine(std::string& out, std::uint64_t k) {
    Random random(k * 0x2545F4914F6CDD1Dull + 17);
    const std::uint64_t length = 10 + random.Below(61);
    std::uint64_t written = 0;
    while (written < length) {
        if (random.Below(10) < 6 || written + 2 > length) {
            out += static_cast<char>(0x20 + random.Below(0x5F)); // printable ASCII
            written += 1;
        } else {
            out += static_cast<char>(0x81 + random.Below(0x7E)); // lead 81..FE
            const std::uint64_t trail = random.Below(0x3F + 0x7F);
            out += static_cast<char>(trail < 0x3F ? 0x40 + trail : 0x80 + (trail - 0x3F));
            written += 2;
        }
    }
    out += "\r\n";
}

} // namespace corpus_detail

template <typename Sink>
void GenerateCorpus(CorpusKind kind, std::uint64_t lineCount, Sink&& sink) {
    corpus_detail::Random random(20261211);
    std::string buffer;
    std::uint64_t unique = 0;
    for (std::uint64_t written = 0; written < lineCount;) {
        std::uint64_t content = unique;
        if (kind != CorpusKind::kDistinct && unique > 0 && random.Below(2) == 0) {
            content = random.Below(unique); // a repeat of an earlier line or paragraph
        } else {
            ++unique;
        }
        if (kind == CorpusKind::kParagraphs) {
            corpus_detail::Random shape(content + 99);
            const std::uint64_t size = 1 + shape.Below(4);
            for (std::uint64_t line = 0; line < size; ++line) {
                corpus_detail::AppendLine(buffer, content * 4 + line);
            }
            buffer += "\r\n";
            written += size + 1;
        } else {
            corpus_detail::AppendLine(buffer, content);
            written += 1;
        }
        if (buffer.size() > (1u << 20)) {
            sink(std::string_view(buffer));
            buffer.clear();
        }
    }
    sink(std::string_view(buffer));
}

inline std::optional<CorpusKind> CorpusKindFromName(std::string_view name) {
    if (name == "lines") {
        return CorpusKind::kLines;
    }
    if (name == "paragraphs") {
        return CorpusKind::kParagraphs;
    }
    if (name == "distinct") {
        return CorpusKind::kDistinct;
    }
    return std::nullopt;
}

inline std::string MakeCorpus(CorpusKind kind, std::uint64_t lineCount) {
    std::string corpus;
    GenerateCorpus(kind, lineCount, [&](std::string_view piece) { corpus += piece; });
    return corpus;
}

} // namespace varnel::bench
