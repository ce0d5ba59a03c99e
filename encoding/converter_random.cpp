// Random digits, letters and texts. Each operation holds the process's random source for its
// whole run, so its reseeds and draws follow one another as written even with other threads
// drawing at the same time.
#include "encoding/encoding_converter.h"
#include "encoding/random_source.h"

namespace varnel::encoding {
namespace {

char DigitFrom(RandomSource& source) {
    source.Reseed();
    return static_cast<char>('0' + source.Draw(0, 9));
}

char LetterFrom(RandomSource& source) {
    source.Reseed();
    const std::int32_t n = source.Draw(1, 26);
    const bool lower = source.Draw(0, 1) == 1;
    return static_cast<char>((lower ? 'a' : 'A') + n - 1);
}

} // namespace

Text EncodingConverter::RandomDigit() const {
    LockedRandomSource source;
    return Text(1, DigitFrom(*source));
}

Text EncodingConverter::RandomLetter() const {
    LockedRandomSource source;
    return Text(1, LetterFrom(*source));
}

Text EncodingConverter::RandomText(std::int32_t count) const {
    if (count < 0) {
        return {};
    }
    if (count == 0) {
        count = 32;
    }
    LockedRandomSource source;
    Text out;
    for (std::int32_t i = 0; i < count; ++i) {
        source->Reseed();
        out += source->Draw(0, 1) == 0 ? DigitFrom(*source) : LetterFrom(*source);
    }
    return out;
}

} // namespace varnel::encoding
