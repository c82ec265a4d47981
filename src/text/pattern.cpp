#include "text/pattern.h"

#include <boost/regex.hpp>
#include <cctype>

namespace tesmira {

struct Pattern::Compiled {
    boost::regex expression;
};

namespace {

constexpr auto syntax = boost::regex::perl | boost::regex::mod_s;

bool isMetaCharacter(char c) {
    return std::string_view(".[]{}()\\*+?|^$").find(c) != std::string_view::npos;
}

struct LinearForm {
    std::vector<std::string> literals;
    std::vector<bool> gapIsGroup;  // gapIsGroup[k - 1]: the gap before literal k
};

// Splits a pattern of the form literal (gap literal)* into its literals, where
// a gap is ".*?" or "(.*?)" and a literal is plain or backslash-escaped
// punctuation. Anything else is not of the form. The bytes are read exactly
// as Boost reads them, so the two agree on what every literal is.
std::optional<LinearForm> linearFormOf(std::string_view expression) {
    LinearForm form{{std::string()}, {}};
    std::size_t i = 0;
    while (i < expression.size()) {
        const bool group = expression.substr(i, 5) == "(.*?)";
        if (group || expression.substr(i, 3) == ".*?") {
            if (form.literals.back().empty()) {
                return std::nullopt;  // two gaps in a row, or a leading gap
            }
            i += group ? 5 : 3;
            form.literals.emplace_back();
            form.gapIsGroup.push_back(group);
            continue;
        }
        const char c = expression[i];
        if (c == '\\') {
            if (i + 1 >= expression.size()) {
                return std::nullopt;
            }
            const auto escaped = static_cast<unsigned char>(expression[i + 1]);
            if (std::isalnum(escaped) || escaped >= 0x80) {
                return std::nullopt;  // a class or a back reference, not a literal
            }
            form.literals.back() += expression[i + 1];
            i += 2;
            continue;
        }
        if (isMetaCharacter(c)) {
            return std::nullopt;
        }
        form.literals.back() += c;
        ++i;
    }
    if (form.literals.back().empty()) {
        return std::nullopt;  // a trailing gap
    }
    return form;
}

PatternMatch matchOf(const boost::cmatch& found) {
    PatternMatch match;
    match.groups.reserve(found.size());
    for (std::size_t n = 0; n < found.size(); ++n) {
        match.groups.push_back(found[n].matched ? found[n].str() : std::string());
    }
    return match;
}

}  // namespace

Pattern::Pattern(std::string_view expression) {
    try {
        compiled_ = std::make_unique<const Compiled>(
            Compiled{boost::regex(expression.begin(), expression.end(), syntax)});
    } catch (const std::exception&) {
        return;  // a pattern Boost refuses never matches
    }
    if (auto form = linearFormOf(expression)) {
        for (std::string& literal : form->literals) {
            literals_.emplace_back(std::move(literal));
        }
        gapIsGroup_ = std::move(form->gapIsGroup);
    }
}

Pattern::~Pattern() = default;
Pattern::Pattern(Pattern&&) noexcept = default;
Pattern& Pattern::operator=(Pattern&&) noexcept = default;

std::vector<PatternMatch> Pattern::findAll(std::string_view text) const {
    if (!compiled_) {
        return {};
    }
    return isLinear() ? findLinear(text, false) : findWithBoostAlone(text, false);
}

std::optional<PatternMatch> Pattern::findFirst(std::string_view text) const {
    if (!compiled_) {
        return std::nullopt;
    }
    auto matches = isLinear() ? findLinear(text, true) : findWithBoostAlone(text, true);
    if (matches.empty()) {
        return std::nullopt;
    }
    return std::move(matches.front());
}

// A lazy gap takes the earliest occurrence of the literal after it, and a
// later occurrence only leaves less text for the rest of the pattern; so a
// match from a start exists exactly when the literals occur in order after
// it, and when none exists from the first start, none exists from any later
// one. Each literal's searches move forward only: the scan is linear.
//
// Boost then reads the groups of each match from the match with its
// ungrouped gaps left out: their bytes cannot change a group (no literal
// occurs in a gap before its place), and walking them byte by byte is most of
// Boost's time on a real page.
std::vector<PatternMatch> Pattern::findLinear(std::string_view text, bool firstOnly) const {
    std::vector<PatternMatch> matches;
    std::size_t position = 0;
    std::string subject;
    try {
        while (true) {
            const std::size_t start = literals_.front().findIn(text, position);
            if (start == std::string_view::npos) {
                return matches;
            }
            std::size_t end = start + literals_.front().literal().size();
            subject = literals_.front().literal();
            for (std::size_t k = 1; k < literals_.size(); ++k) {
                const std::size_t found = literals_[k].findIn(text, end);
                if (found == std::string_view::npos) {
                    return matches;
                }
                if (gapIsGroup_[k - 1]) {
                    subject += text.substr(end, found - end);
                }
                subject += literals_[k].literal();
                end = found + literals_[k].literal().size();
            }
            boost::cmatch found;
            const char* const subjectBegin = subject.data();
            if (!boost::regex_search(subjectBegin, subjectBegin + subject.size(), found,
                                     compiled_->expression, boost::match_continuous)) {
                return {};  // cannot happen for a linear pattern; count it as no match
            }
            PatternMatch match = matchOf(found);
            match.groups[0] = text.substr(start, end - start);
            matches.push_back(std::move(match));
            if (firstOnly) {
                return matches;
            }
            position = end;
        }
    } catch (const std::exception&) {
        return {};
    }
}

std::vector<PatternMatch> Pattern::findWithBoostAlone(std::string_view text, bool firstOnly) const {
    std::vector<PatternMatch> matches;
    try {
        const char* begin = text.data();
        const char* end = text.data() + text.size();
        for (boost::cregex_iterator it(begin, end, compiled_->expression), last; it != last; ++it) {
            matches.push_back(matchOf(*it));
            if (firstOnly) {
                break;
            }
        }
    } catch (const std::exception&) {
        return {};  // Boost gave up part way: the whole search counts as no match
    }
    return matches;
}

}  // namespace tesmira
