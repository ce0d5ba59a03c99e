// Finds the separators that split a GBK text into blocks. A separator counts only where it starts
// at a character start: scanning from the start of the text (and again after every separator), a
// byte of 0x80 or above always takes the next byte as its partner, whatever that byte is.
#pragma once

#include <cstddef>
#include <string_view>

namespace varnel::engine {

class SeparatorScanner {
public:
    static constexpr std::size_t kNone = std::string_view::npos;

    // `separator` must not be empty. Both views must outlive the scanner.
    SeparatorScanner(std::string_view text, std::string_view separator);

    // Position of the next separator that counts and starts before `startLimit`; kNone when
    // there is none. With a limit, the search resumes at the limit next time, so a caller can
    // walk a long text in bounded steps until AtEnd().
    [[nodiscard]] std::size_t Next(std::size_t startLimit = kNone);

    // True once no further separator can be found.
    [[nodiscard]] bool AtEnd() const;

    // Where the next search starts; after Next() found one, just past that separator.
    [[nodiscard]] std::size_t Position() const { return searchFrom_; }

private:
    [[nodiscard]] std::size_t FindCandidate(std::size_t from, std::size_t startLimit) const;
    [[nodiscard]] bool IsCharacterStart(std::size_t pos);

    std::string_view text_;
    std::string_view separator_;
    std::size_t searchFrom_ = 0;
    // A position known to be a character start, at or before every later candidate. It lets the
    // pairing of lead and trail bytes be settled by looking back no further than the last
    // decision, which keeps the whole scan linear.
    std::size_t knownStart_ = 0;
};

} // namespace varnel::engine
