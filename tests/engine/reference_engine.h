// The block engine written literally as the pairwise algorithm it replaces: a byte-by-byte split,
// a forward search for a later equal block, and a join that tests the content of the result.
// Slow (quadratic) and obviously right; the fast engine must agree with it byte for byte.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varnel::test {

[[nodiscard]] std::vector<std::string> ReferenceSplit(std::string_view text,
                                                      std::string_view separator);

// `comparisonsMade` counts block comparisons, `pumpCalls` the unequal ones (after each of which
// the old engine pumped window messages).
[[nodiscard]] std::string ReferenceDeduplicate(std::string_view text, std::string_view separator,
                                               std::size_t* pumpCalls = nullptr);

} // namespace varnel::test
