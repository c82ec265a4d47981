#pragma once
// Finds one literal text in a page. The marketplace's pages are full of the
// bytes the patterns' literals start with (quotes, "&", "n"), so a search
// that hops from one first byte to the next crawls. This one hops with memchr
// between occurrences of the literal's rarest byte (by a fixed ranking of how
// often bytes occur in HTML and JSON text) and compares the whole there. Where
// that byte turns out to be common in the page at hand, as on a page made to
// defeat the search, it goes on with a block scan for the literal's two
// rarest bytes at once, which stays fast whatever the page holds.

#include <cstddef>
#include <string>
#include <string_view>

namespace tesmira {

class LiteralSearch {
public:
    explicit LiteralSearch(std::string literal);

    // The position of the first occurrence starting at `from` or later, npos when none.
    std::size_t findIn(std::string_view text, std::size_t from) const;

    const std::string& literal() const { return literal_; }

private:
    std::string literal_;
    std::size_t rarest_ = 0;        // offsets in the literal of its rarest byte
    std::size_t secondRarest_ = 0;  // and of its next rarest, elsewhere in it

    bool matchesAt(std::string_view text, std::size_t position) const;
    std::size_t scanPairs(std::string_view text, std::size_t from) const;
};

}  // namespace tesmira
