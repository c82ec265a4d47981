#include "text/pattern.h"

#include <gtest/gtest.h>

#include <boost/regex.hpp>
#include <random>

namespace tesmira {
namespace {

std::vector<std::vector<std::string>> groupsOf(const std::vector<PatternMatch>& matches) {
    std::vector<std::vector<std::string>> groups;
    for (const auto& match : matches) {
        groups.push_back(match.groups);
    }
    return groups;
}

// What Boost.Regex alone finds with the program's options, for comparison.
std::vector<std::vector<std::string>> boostAlone(const std::string& expression,
                                                 const std::string& text) {
    const boost::regex re(expression, boost::regex::perl | boost::regex::mod_s);
    std::vector<std::vector<std::string>> groups;
    for (boost::sregex_iterator it(text.begin(), text.end(), re), end; it != end; ++it) {
        std::vector<std::string> match;
        for (std::size_t n = 0; n < it->size(); ++n) {
            match.push_back((*it)[n].matched ? (*it)[n].str() : "");
        }
        groups.push_back(match);
    }
    return groups;
}

struct SearchCase {
    const char* name;
    std::string expression;
    std::string text;
    std::vector<std::vector<std::string>> expected;  // groups of every match, [0] the whole
};

void PrintTo(const SearchCase& c, std::ostream* out) {
    *out << c.name;
}

class PatternSearch : public testing::TestWithParam<SearchCase> {};

TEST_P(PatternSearch, FindsTheMatchesTheProgramExpects) {
    const SearchCase& c = GetParam();
    EXPECT_EQ(groupsOf(Pattern(c.expression).findAll(c.text)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Options, PatternSearch,
    testing::Values(
        SearchCase{
            "DotMatchesLineFeedAndCarriageReturn", "a(.*?)b", "a\r\nb", {{"a\r\nb", "\r\n"}}},
        SearchCase{
            "CaseSensitive", "Value=(.*?);", "value=1;VALUE=2;Value=3;", {{"Value=3;", "3"}}},
        SearchCase{
            "LazyGroupEndsAtTheFirstCloser", "v=\"(.*?)\"", "v=\"1\" w=\"2\"", {{"v=\"1\"", "1"}}},
        SearchCase{"AllMatchesLeftToRightWithoutOverlap",
                   "<(.*?)>",
                   "<a><b>c<d>",
                   {{"<a>", "a"}, {"<b>", "b"}, {"<d>", "d"}}},
        SearchCase{
            "NextSearchStartsAtThePreviousEnd", "x(.*?)x", "x1x2x3x", {{"x1x", "1"}, {"x3x", "3"}}},
        SearchCase{"EmptyGroup", "k=(.*?)&", "k=&", {{"k=&", ""}}},
        SearchCase{"NoMatch", "k=(.*?)&", "k=1", {}}, SearchCase{"EmptyText", "k=(.*?)&", "", {}},
        SearchCase{"GbkBytesAsThey Stand",
                   "\xB3\xC9\xBD\xBB(.*?)\"",
                   "x\xB3\xC9\xBD\xBB:1\"",
                   {{"\xB3\xC9\xBD\xBB:1\"", ":1"}}},
        SearchCase{"EscapedPunctuationIsLiteral", "a\\.(.*?)\\?", "a.b?axb?", {{"a.b?", "b"}}},
        SearchCase{"OtherSyntaxGoesToBoost",
                   "id=([0-9]+)",
                   "id=12x id=3",
                   {{"id=12", "12"}, {"id=3", "3"}}},
        SearchCase{"RefusedPatternNeverMatches", "a(b", "a(b", {}}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::erase(name, ' ');
        return name;
    });

TEST(Pattern, FirstMatchIsTheLeftmost) {
    const auto match = Pattern("value=\"(.*?)\"").findFirst("value=\"a\" value=\"b\"");
    ASSERT_TRUE(match.has_value());
    EXPECT_EQ(match->group(1), "a");
    EXPECT_EQ(match->group(7), "") << "a group the pattern lacks reads as empty";
    EXPECT_FALSE(Pattern("value=\"(.*?)\"").findFirst("value=").has_value());
}

TEST(Pattern, ThePagePatternsAreSearchedInLinearTime) {
    for (const char* expression :
         {"userID=(.*?)&.*?&orderid=(.*?)\".*?\"style\":\"t16\",\"text\":\"(.*?)\"",
          "currentPage\":(.*?),\"", "class=\"confirm-time\">(.*?)</span>"}) {
        EXPECT_TRUE(Pattern(expression).isLinear()) << expression;
    }
    EXPECT_FALSE(Pattern("id=([0-9]+)").isLinear());
    EXPECT_FALSE(Pattern("(.*?)x").isLinear()) << "a leading gap is not of the linear form";
}

// The linear search must find exactly what Boost alone finds, match for
// match and group for group, on texts made of the patterns' own pieces.
TEST(Pattern, LinearSearchAgreesWithBoostOnRandomTexts) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> patterns = {
        {"userID=(.*?)&.*?&orderid=(.*?)\".*?\"style\":\"t16\",\"text\":\"(.*?)\"",
         {"userID=", "&", "&orderid=", "\"", "\"style\":\"t16\",\"text\":\"", "a", "7", "\n"}},
        {"currentPage\":(.*?),\"", {"currentPage\":", ",\"", ",", "2", "\""}},
        {"ab(.*?)ba.*?a", {"a", "b", "ab", "ba", "x"}},
        {"x\\.(.*?)\\.y", {"x", ".", "y", "x.", ".y"}},
    };
    std::mt19937 random(20261211);
    for (const auto& [expression, pieces] : patterns) {
        const Pattern pattern(expression);
        ASSERT_TRUE(pattern.isLinear()) << expression;
        std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
        std::uniform_int_distribution<int> length(0, 30);
        for (int round = 0; round < 3000; ++round) {
            std::string text;
            for (int n = length(random); n > 0; --n) {
                text += pieces[pick(random)];
            }
            ASSERT_EQ(groupsOf(pattern.findAll(text)), boostAlone(expression, text))
                << expression << " on " << text;
        }
    }
}

// Boost alone gives up on such a page with an exception after seconds of
// backtracking and so would never reach the row at its end.
TEST(Pattern, HostileTextBeforeARowDoesNotHideTheRow) {
    const std::string rowPattern =
        "userID=(.*?)&.*?&orderid=(.*?)\".*?\"style\":\"t16\",\"text\":\"(.*?)\"";
    std::string text;
    while (text.size() < 200000) {
        text += "userID=a&b&";
    }
    EXPECT_TRUE(Pattern(rowPattern).findAll(text).empty());

    text += "&orderid=42\",\"style\":\"t16\",\"text\":\"ok\"";
    const auto matches = Pattern(rowPattern).findAll(text);
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches[0].group(1), "a");
    EXPECT_EQ(matches[0].group(2), "42");
    EXPECT_EQ(matches[0].group(3), "ok");
}

TEST(Pattern, BoostGivingUpCountsAsNoMatch) {
    // Nested repeats that Boost abandons on a long text without a match.
    const std::string text(5000, 'a');
    ASSERT_ANY_THROW(boostAlone("(a*)*b", text)) << "Boost no longer gives up on this text";
    const Pattern pattern("(a*)*b");
    ASSERT_FALSE(pattern.isLinear());
    EXPECT_TRUE(pattern.findAll(text).empty());
    EXPECT_FALSE(pattern.findFirst(text).has_value());
}

}  // namespace
}  // namespace tesmira
