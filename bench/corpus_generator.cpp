// varnel-corpus: writes a benchmark corpus (see corpus.h) to a file.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/corpus.h"

int main(int argc, char** argv) {
    const auto kind = argc == 4 ? varnel::bench::CorpusKindFromName(argv[1]) : std::nullopt;
    const std::uint64_t lines = argc == 4 ? std::strtoull(argv[2], nullptr, 10) : 0;
    if (!kind || lines == 0) {
        std::fputs("usage: varnel-corpus lines|paragraphs|distinct LINE-COUNT OUTPUT\n", stderr);
        return 2;
    }
    std::FILE* file = std::fopen(argv[3], "wb");
    if (!file) {
        std::fprintf(stderr, "varnel-corpus: %s: cannot create: %s\n", argv[3],
                     std::strerror(errno));
        return 1;
    }
    varnel::bench::GenerateCorpus(*kind, lines, [file](std::string_view piece) {
        std::fwrite(piece.data(), 1, piece.size(), file);
    });
    if (std::ferror(file) || std::fclose(file) != 0) {
        std::fprintf(stderr, "varnel-corpus: %s: cannot write: %s\n", argv[3],
                     std::strerror(errno));
        return 1;
    }
    return 0;
}
