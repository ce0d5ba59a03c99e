// The block engine on generated corpora (see corpus.h), in memory: no file or console I/O.
#include <benchmark/benchmark.h>

#include "bench/corpus.h"
#include "engine/deduplicate.h"

namespace varnel::bench {
namespace {

class CountingSink final : public engine::ResultSink {
public:
    void Reserve(std::uint64_t) override {}
    bool Append(std::string_view bytes) override {
        bytes_ += bytes.size();
        return true;
    }
    std::uint64_t bytes_ = 0;
};

const std::string& Corpus(CorpusKind kind, std::uint64_t lines) {
    static std::string cached;
    static std::pair<CorpusKind, std::uint64_t> key{CorpusKind::kLines, 0};
    if (key != std::pair{kind, lines}) {
        cached = MakeCorpus(kind, lines);
        key = {kind, lines};
    }
    return cached;
}

void Run(benchmark::State& state, CorpusKind kind, std::string_view separator) {
    const std::string& text = Corpus(kind, static_cast<std::uint64_t>(state.range(0)));
    engine::DeduplicateStats stats;
    for (auto _ : state) {
        CountingSink sink;
        stats = engine::DeduplicateBlocksTo(text, separator, sink);
        benchmark::DoNotOptimize(sink.bytes_);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["blocks"] = static_cast<double>(stats.blocksRead);
    state.counters["kept"] = static_cast<double>(stats.blocksKept);
}

void Lines(benchmark::State& state) {
    Run(state, CorpusKind::kLines, "\r\n");
}
void Paragraphs(benchmark::State& state) {
    Run(state, CorpusKind::kParagraphs, "\r\n\r\n");
}
void Distinct(benchmark::State& state) {
    Run(state, CorpusKind::kDistinct, "\r\n");
}

BENCHMARK(Lines)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(Paragraphs)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(Distinct)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varnel::bench

BENCHMARK_MAIN();
