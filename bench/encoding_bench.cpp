// Code-page conversions of the converter against ICU (ucnv_convert) and glibc iconv on one large
// mixed Chinese/ASCII text, in the four directions the program needs. "icu" and "iconv" convert
// in one call into an output buffer allocated once, outside the timing (their best case);
// "icu_sized" sizes first and converts into a new exact-size result, as our operations must.
// The Step benchmarks time the four calls inside Utf8ToAnsi on their own.
#include <benchmark/benchmark.h>
#include <iconv.h>
#include <unicode/ucnv.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "encoding/code_page.h"
#include "encoding/ansi_conversion.h"
#include "encoding/encoding_converter.h"

namespace {

using varnel::Bytes;
using varnel::Text;
using varnel::encoding::CodePage;
using varnel::encoding::EncodingConverter;

// About 4 MB of GBK: runs of common hanzi (GB2312 level 1) with full-width punctuation, mixed
// with ASCII words, numbers and line breaks, 75% Chinese by characters (see the "corpus" line).
Text MakeCorpus() {
    std::mt19937 random(20240601);
    Text text;
    const char* words[] = {"the", "file", "Varnel", "2024", "index.html", "GBK", "id=42", "OK"};
    while (text.size() < 4u << 20) {
        const auto run = 5 + random() % 30;
        for (std::size_t i = 0; i < run; ++i) {
            text += static_cast<char>(0xB0 + random() % 39);
            text += static_cast<char>(0xA1 + random() % 94);
        }
        switch (random() % 4) {
        case 0:
            text += "\xA3\xAC";
            break; // ，
        case 1:
            text += "\xA1\xA3";
            break; // 。
        default:
            break;
        }
        text += ' ';
        text += words[random() % std::size(words)];
        text += random() % 5 == 0 ? "\r\n" : " ";
    }
    return text;
}

struct Corpus {
    Text gbk = MakeCorpus();
    Bytes utf16 = EncodingConverter().AnsiToUnicode(gbk);
    Bytes utf8 = EncodingConverter().UnicodeToUtf8(utf16);
    Corpus() {
        utf16.resize(utf16.size() - 2); // no terminator: the same characters in every form
    }
};

const Corpus& TheCorpus() {
    static const Corpus corpus;
    return corpus;
}

enum class Direction { kGbkToUtf16, kUtf16ToGbk, kUtf8ToGbk, kGbkToUtf8 };

struct DirectionInfo {
    const char* name;
    const char* icuFrom;
    const char* icuTo;
    const char* iconvFrom;
    const char* iconvTo;
};

DirectionInfo Info(Direction d) {
    switch (d) {
    case Direction::kGbkToUtf16:
        return {"GbkToUtf16", "windows-936-2000", "UTF-16LE", "GBK", "UTF-16LE"};
    case Direction::kUtf16ToGbk:
        return {"Utf16ToGbk", "UTF-16LE", "windows-936-2000", "UTF-16LE", "GBK"};
    case Direction::kUtf8ToGbk:
        return {"Utf8ToGbk", "UTF-8", "windows-936-2000", "UTF-8", "GBK"};
    default:
        return {"GbkToUtf8", "windows-936-2000", "UTF-8", "GBK", "UTF-8"};
    }
}

std::string_view Input(Direction d) {
    const Corpus& c = TheCorpus();
    switch (d) {
    case Direction::kGbkToUtf16:
    case Direction::kGbkToUtf8:
        return c.gbk;
    case Direction::kUtf16ToGbk:
        return varnel::AsChars(c.utf16);
    default:
        return varnel::AsChars(c.utf8);
    }
}

void Ours(benchmark::State& state, Direction d) {
    const EncodingConverter converter;
    const Corpus& c = TheCorpus();
    for (auto _ : state) {
        switch (d) {
        case Direction::kGbkToUtf16:
            benchmark::DoNotOptimize(converter.AnsiToUnicode(c.gbk));
            break;
        case Direction::kUtf16ToGbk:
            benchmark::DoNotOptimize(converter.UnicodeToAnsi(c.utf16));
            break;
        case Direction::kUtf8ToGbk:
            benchmark::DoNotOptimize(converter.Utf8ToAnsi(c.utf8));
            break;
        case Direction::kGbkToUtf8:
            benchmark::DoNotOptimize(converter.AnsiToUtf8(c.gbk));
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Input(d).size()));
}

// The file job's one-pass conversion: UTF-8 straight to GBK, reporting where it stopped.
void OursOnePass(benchmark::State& state) {
    const Corpus& c = TheCorpus();
    for (auto _ : state) {
        benchmark::DoNotOptimize(varnel::encoding::Utf8ToAnsiReporting(c.utf8));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * c.utf8.size()));
}

void Icu(benchmark::State& state, Direction d) {
    const DirectionInfo info = Info(d);
    const std::string_view in = Input(d);
    std::vector<char> out(in.size() * 3 + 16);
    for (auto _ : state) {
        UErrorCode status = U_ZERO_ERROR;
        const int32_t n =
            ucnv_convert(info.icuTo, info.icuFrom, out.data(), static_cast<int32_t>(out.size()),
                         in.data(), static_cast<int32_t>(in.size()), &status);
        if (U_FAILURE(status))
            state.SkipWithError(u_errorName(status));
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}

// ICU under the same contract as our operations: ask for the size, then convert into a result
// of exactly that size that the caller owns.
void IcuSized(benchmark::State& state, Direction d) {
    const DirectionInfo info = Info(d);
    const std::string_view in = Input(d);
    for (auto _ : state) {
        UErrorCode status = U_ZERO_ERROR;
        const int32_t size = ucnv_convert(info.icuTo, info.icuFrom, nullptr, 0, in.data(),
                                          static_cast<int32_t>(in.size()), &status);
        std::string out(static_cast<std::size_t>(size), '\0');
        status = U_ZERO_ERROR;
        ucnv_convert(info.icuTo, info.icuFrom, out.data(), size, in.data(),
                     static_cast<int32_t>(in.size()), &status);
        if (U_FAILURE(status))
            state.SkipWithError(u_errorName(status));
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}

void Iconv(benchmark::State& state, Direction d) {
    const DirectionInfo info = Info(d);
    const std::string_view in = Input(d);
    std::vector<char> out(in.size() * 3 + 16);
    iconv_t cd = iconv_open(info.iconvTo, info.iconvFrom);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        state.SkipWithError("iconv_open failed");
        return;
    }
    for (auto _ : state) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char* dst = out.data();
        std::size_t dstLeft = out.size();
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
            state.SkipWithError("iconv failed");
            break;
        }
        benchmark::DoNotOptimize(dst);
    }
    iconv_close(cd);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}

// The four calls inside Utf8ToAnsi (size and convert UTF-8 to UTF-16, then to GBK) and inside
// AnsiToUtf8 (GBK to UTF-16, then to UTF-8) on their own.
void Steps(benchmark::State& state, int step) {
    const Corpus& c = TheCorpus();
    using namespace varnel::encoding;
    const std::string_view utf8 = varnel::AsChars(c.utf8);
    Bytes units(c.utf16.size());
    std::string out(c.utf8.size(), ' ');
    for (auto _ : state) {
        switch (step) {
        case 0:
            benchmark::DoNotOptimize(Utf16UnitCount(CodePage::kUtf8, utf8));
            break;
        case 1:
            benchmark::DoNotOptimize(MultiByteToUtf16Le(CodePage::kUtf8, utf8, units));
            break;
        case 2:
            benchmark::DoNotOptimize(MultiByteCount(CodePage::kGbk, c.utf16));
            break;
        case 3:
            benchmark::DoNotOptimize(Utf16LeToMultiByte(CodePage::kGbk, c.utf16, out, '\0'));
            break;
        case 4:
            benchmark::DoNotOptimize(Utf16UnitCount(CodePage::kGbk, c.gbk));
            break;
        case 5:
            benchmark::DoNotOptimize(MultiByteToUtf16Le(CodePage::kGbk, c.gbk, units));
            break;
        case 6:
            benchmark::DoNotOptimize(MultiByteCount(CodePage::kUtf8, c.utf16));
            break;
        case 7:
            benchmark::DoNotOptimize(Utf16LeToMultiByte(CodePage::kUtf8, c.utf16, out));
            break;
        }
    }
}

const bool kRegistered = [] {
    const Corpus& c = TheCorpus();
    std::size_t hanzi = 0;
    for (std::size_t i = 0; i < c.gbk.size(); ++i) {
        if (static_cast<unsigned char>(c.gbk[i]) >= 0x80) {
            ++hanzi;
            ++i;
        }
    }
    benchmark::AddCustomContext(
        "corpus", std::to_string(c.gbk.size()) + " bytes GBK, " + std::to_string(c.utf16.size()) +
                      " UTF-16LE, " + std::to_string(c.utf8.size()) + " UTF-8; " +
                      std::to_string(hanzi) + " of " + std::to_string(c.utf16.size() / 2) +
                      " characters Chinese");
    const char* steps[] = {"Utf8UnitCount", "Utf8ToUtf16", "GbkByteCount",  "Utf16ToGbk",
                           "GbkUnitCount",  "GbkToUtf16",  "Utf8ByteCount", "Utf16ToUtf8"};
    for (int step = 0; step < 8; ++step) {
        benchmark::RegisterBenchmark((std::string("Step/") + steps[step]).c_str(), Steps, step);
    }
    for (const Direction d : {Direction::kGbkToUtf16, Direction::kUtf16ToGbk, Direction::kUtf8ToGbk,
                              Direction::kGbkToUtf8}) {
        const std::string name = Info(d).name;
        benchmark::RegisterBenchmark((name + "/varnel").c_str(), Ours, d);
        if (d == Direction::kUtf8ToGbk) {
            benchmark::RegisterBenchmark((name + "/varnel_one_pass").c_str(), OursOnePass);
        }
        benchmark::RegisterBenchmark((name + "/icu").c_str(), Icu, d);
        benchmark::RegisterBenchmark((name + "/icu_sized").c_str(), IcuSized, d);
        benchmark::RegisterBenchmark((name + "/iconv").c_str(), Iconv, d);
    }
    return true;
}();

} // namespace

BENCHMARK_MAIN();
