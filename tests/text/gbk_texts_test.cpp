#include "text/gbk_texts.h"

#include <gtest/gtest.h>

#include "support/gbk_text.h"
#include "text/gbk_conversion.h"

namespace tesmira {
namespace {

// Every escaped literal of the program against the characters it stands for.
TEST(GbkTexts, EachLiteralHoldsTheGbkBytesOfItsCharacters) {
    const std::pair<std::string_view, std::string_view> literals[] = {
        {gbk::autoRateTimeKey, "自动评价时间"},
        {gbk::badRateContentKey, "差评内容"},
        {gbk::defaultGoodRateText, "欢迎光临！"},
        {gbk::defaultBadRateText, "互相的！"},
        {gbk::goodTextFileEnding, "_好评 .TXT"},
        {gbk::badTextFileEnding, "_差评 .TXT"},
        {gbk::daysUnit, "天"},
    };
    for (const auto& [literal, characters] : literals) {
        EXPECT_EQ(literal, test::gbk(characters)) << characters;
    }
    EXPECT_EQ(gbk::defaultGoodRateText.size(), 10u);
    EXPECT_EQ(gbk::defaultBadRateText.size(), 8u);
}

TEST(GbkConversion, RoundTripsAndRefusesInvalidInput) {
    EXPECT_EQ(utf8FromGbk("\xBA\xC3\xC6\xC0"), std::optional<std::string>("好评"));
    EXPECT_EQ(gbkFromUtf8("好评"), std::optional<std::string>("\xBA\xC3\xC6\xC0"));
    EXPECT_EQ(utf8FromGbk(""), std::optional<std::string>(""));
    EXPECT_FALSE(utf8FromGbk("a\xBA").has_value()) << "a lead byte without its trail byte";
    EXPECT_FALSE(utf8FromGbk("\xFF\xFF").has_value());
    EXPECT_FALSE(gbkFromUtf8("\xF0\x9F\x98\x80").has_value()) << "an emoji has no GBK form";
}

}  // namespace
}  // namespace tesmira
