#include "text/literal_search.h"

#include <gtest/gtest.h>

#include <random>

namespace tesmira {
namespace {

// The search must find exactly what a plain find finds, both while it hops
// between rare bytes and after a page full of them sends it to the block scan.
TEST(LiteralSearch, AgreesWithAPlainFindOnRandomTexts) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        // literal, its alphabet
        {"&orderid=", "&orderid=xQ"},
        {"\"style\":\"t16\",\"text\":\"", "\"style:t16,x"},
        {"userID=", "userID=&ab"},
        {"zz", "za"},
        {"Q", "Qq"},
        {"abcabd", "abcd"},
    };
    std::mt19937 random(7);
    for (const auto& [literal, alphabet] : cases) {
        const LiteralSearch search(literal);
        std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
        std::uniform_int_distribution<int> length(0, 400);
        for (int round = 0; round < 2000; ++round) {
            std::string text;
            for (int n = length(random); n > 0; --n) {
                text += alphabet[pick(random)];
            }
            if (round % 3 == 0 && !text.empty()) {
                text.insert(random() % text.size(), literal);
            }
            for (std::size_t from = 0; from <= text.size() + 1; from += 1 + text.size() / 7) {
                ASSERT_EQ(search.findIn(text, from), std::string_view(text).find(literal, from))
                    << literal << " in " << text << " from " << from;
            }
        }
    }
}

TEST(LiteralSearch, FindsALiteralAfterManyNearMisses) {
    // Thousands of rare bytes, none of them the literal's, then the literal at the very end.
    const LiteralSearch search("&orderid=");
    std::string text;
    while (text.size() < 100000) {
        text += "userID=a&b&";
    }
    EXPECT_EQ(search.findIn(text, 0), std::string::npos);
    text += "&orderid=7";
    EXPECT_EQ(search.findIn(text, 0), text.size() - 10);
    EXPECT_EQ(search.findIn(text, text.size() - 9), std::string::npos);
    EXPECT_EQ(LiteralSearch("").findIn("abc", 3), 3u);
    EXPECT_EQ(LiteralSearch("x").findIn("abc", 4), std::string::npos);
}

}  // namespace
}  // namespace tesmira
