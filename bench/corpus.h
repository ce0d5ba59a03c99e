// Deterministic benchmark corpora: GBK text with CR LF line ends.
//   kLines       lines mixing ASCII and double-byte GBK characters, about half of them repeats
//   kParagraphs  the same kind of lines in paragraphs of one to four, separated by a blank line
//   kDistinct    lines that are all different
// Lines are 10 to 70 bytes (about 40 on average). Double-byte characters use trail bytes from both
// GBK ranges (40..7E included), never CR or LF; every line and paragraph ends with CR LF. The same
// arguments always give the same bytes, on every platform.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnel::bench {

enum class CorpusKind { kLines, kParagraphs, kDistinct };

[[nodiscard]] std::optional<CorpusKind> CorpusKindFromName(std::string_view name);

// Calls `sink` with successive pieces of about a megabyte until `lineCount` lines are made.
template <typename Sink> void GenerateCorpus(CorpusKind kind, std::uint64_t lineCount, Sink&& sink);

// The whole corpus in memory.
[[nodiscard]] std::string MakeCorpus(CorpusKind kind, std::uint64_t lineCount);

} // namespace varnel::bench

#include "bench/corpus_impl.h"
