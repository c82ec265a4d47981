#pragma once
// The one regular-expression helper of the program, over Boost.Regex: perl
// syntax, case-sensitive, "." matching every byte including CR and LF, all
// matches found from left to right without overlap.
//
// Every pattern that reads the marketplace's pages is literal texts joined by
// lazy gaps (".*?" or "(.*?)"). On a page that never completes a match, Boost
// alone backtracks for seconds before it gives up; for such patterns a linear
// scan tells whether, and where, the next match lies, and Boost is asked only
// where a match is certain, and only with the texts of the match that its
// groups capture. Other patterns go to Boost alone. Either way the helper
// never throws: where Boost gives up, the search counts as no match.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/literal_search.h"

namespace tesmira {

struct PatternMatch {
    std::vector<std::string> groups;  // [0] the whole match, [n] group n

    // The text of group n; empty when the group matched nothing or does not exist.
    std::string group(std::size_t n) const { return n < groups.size() ? groups[n] : std::string(); }
};

class Pattern {
public:
    explicit Pattern(std::string_view expression);
    ~Pattern();
    Pattern(Pattern&&) noexcept;
    Pattern& operator=(Pattern&&) noexcept;

    std::vector<PatternMatch> findAll(std::string_view text) const;
    std::optional<PatternMatch> findFirst(std::string_view text) const;

    // Whether the pattern is of the literals-and-lazy-gaps form that is
    // searched in linear time.
    bool isLinear() const { return !literals_.empty(); }

private:
    struct Compiled;
    std::unique_ptr<const Compiled> compiled_;  // null when Boost refused the pattern
    // For a linear pattern: its literals, and whether the gap before each
    // literal (from the second on) is a group. Empty for other patterns.
    std::vector<LiteralSearch> literals_;
    std::vector<bool> gapIsGroup_;

    std::vector<PatternMatch> findLinear(std::string_view text, bool firstOnly) const;
    std::vector<PatternMatch> findWithBoostAlone(std::string_view text, bool firstOnly) const;
};

}  // namespace tesmira
