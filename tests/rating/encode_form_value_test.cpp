#include "rating/encode_form_value.h"

#include <gtest/gtest.h>

#include <random>

namespace tesmira {
namespace {

TEST(EncodeFormValue, EncodesAsTheRatingFormExpects) {
    using namespace std::string_view_literals;
    const std::pair<std::string_view, std::string> cases[] = {
        {"abc", "abc"},
        {"a b", "a%20b"},
        {"x+y=1&z", "x%2By%3D1%26z"},
        {"~*", "%7E%2A"},
        {"Ab-9._", "Ab-9._"},
        {"\xBA\xC3\xC6\xC0", "%BA%C3%C6%C0"},
        {"abc\xBA\xC3", "abc%BA%C3"},
        {"\xBA\xC3\xC6\xC0!", "%BA%C3%C6%C0%21"},
        {"\x7F"
         "A",
         "%7F%41"},
        {"a\xBA", "a%BA"},
        {"\n\r", "%0A%0D"},
        {"", ""},
        {"\x81@", "%81%40"},            // a trail byte in the ASCII range
        {"\xBA\xC3\xC6", "%BA%C3%C6"},  // a lead byte left alone at the end
        {"\xBA"
         "A\xC3",
         "%BA%41%C3"},
        {"%'()!", "%25%27%28%29%21"},
        {"\0a"sv, "%00a"},
    };
    for (const auto& [input, output] : cases) {
        EXPECT_EQ(encodeFormValue(input), output) << output;
    }
}

std::string percentDecode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%') {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

TEST(EncodeFormValue, AnyPercentDecoderGivesTheBytesBack) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 40);
    for (int round = 0; round < 5000; ++round) {
        std::string input;
        for (int n = length(random); n > 0; --n) {
            input += static_cast<char>(byte(random));
        }
        const std::string encoded = encodeFormValue(input);
        ASSERT_EQ(percentDecode(encoded), input);
        ASSERT_LE(encoded.size(), input.size() * 3);
        ASSERT_EQ(encoded.find_first_not_of(
                      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.-_%"),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace tesmira
