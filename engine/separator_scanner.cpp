#include "engine/separator_scanner.h"

#include <algorithm>
#include <cstring>

#include "base/gbk_text.h"

namespace varnel::engine {

SeparatorScanner::SeparatorScanner(std::string_view text, std::string_view separator)
    : text_(text), separator_(separator) {}

bool SeparatorScanner::AtEnd() const {
    return searchFrom_ >= text_.size() || text_.size() - searchFrom_ < separator_.size();
}

std::size_t SeparatorScanner::FindCandidate(std::size_t from, std::size_t startLimit) const {
    if (from >= text_.size() || text_.size() - from < separator_.size() || from >= startLimit) {
        return kNone;
    }
    const char* begin = text_.data() + from;
    std::size_t length = text_.size() - from;
    if (startLimit < text_.size()) {
        // Only starts before the limit count, so the search ends S - 1 bytes after it.
        length = std::min(length, startLimit - from + separator_.size() - 1);
    }
    if (length < separator_.size()) {
        return kNone;
    }
    // memchr for the first byte, then the rest compared; the last possible start bounds the scan.
    const std::size_t lastStart = length - separator_.size();
    const char* cursor = begin;
    const char* const limit = begin + lastStart + 1;
    while (cursor < limit) {
        const void* hit =
            std::memchr(cursor, separator_[0], static_cast<std::size_t>(limit - cursor));
        if (!hit) {
            return kNone;
        }
        const char* found = static_cast<const char*>(hit);
        if (std::memcmp(found + 1, separator_.data() + 1, separator_.size() - 1) == 0) {
            return static_cast<std::size_t>(found - text_.data());
        }
        cursor = found + 1;
    }
    return kNone;
}

bool SeparatorScanner::IsCharacterStart(std::size_t pos) {
    // The bytes of 0x80 or above right before `pos` pair up from the character start where their
    // run begins: the byte before the run is below 0x80, so whether it is a character of its own
    // or the partner of a lead byte, the run starts a character. An even run ends at a character
    // start. A run that reaches the known start is counted from there.
    std::size_t runStart = pos;
    while (runStart > knownStart_ && gbk::IsLeadByte(text_[runStart - 1])) {
        --runStart;
    }
    const bool atStart = (pos - runStart) % 2 == 0;
    // Either `pos` starts a character, or it is the partner of the lead byte before it and the
    // character after it starts one.
    knownStart_ = atStart ? pos : pos + 1;
    return atStart;
}

std::size_t SeparatorScanner::Next(std::size_t startLimit) {
    for (std::size_t from = searchFrom_;;) {
        const std::size_t candidate = FindCandidate(from, startLimit);
        if (candidate == kNone) {
            searchFrom_ = std::max(from, std::min(startLimit, text_.size()));
            return kNone;
        }
        if (IsCharacterStart(candidate)) {
            searchFrom_ = candidate + separator_.size();
            knownStart_ = searchFrom_;
            return candidate;
        }
        from = candidate + 1;
    }
}

} // namespace varnel::engine
