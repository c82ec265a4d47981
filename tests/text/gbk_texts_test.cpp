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
        {gbk::currentStatusText, "当前状态"},
        {gbk::loggedInText, "帐号登录成功，正在读取数据，请稍候！"},
        {gbk::enterVerificationCodeText, "请填入验证码！"},
        {gbk::pleaseLogInText, "启动成功，请登录卖家帐号。"},
        {gbk::verificationAcceptedText, "验证码验证成功！"},
        {gbk::readingDeadlinesText, "正在读取评价到期时间！"},
        {gbk::dataReadText, "数据读取完成！"},
        {gbk::ratingDoneText, "评价完成。"},
        {gbk::badRatingsDoneText,
         "选择的订单已用‘差评’评价完成！请看看买家给的是什么评价再作处理。"},
        {gbk::allOrdersRatedText, "全部订单已评价完成！"},
        {gbk::copiedSuffix, " 复制成功"},
        {gbk::trayBalloonText, "软件已经缩小到这里了，要使用时请点击此处打开！"},
        {gbk::pendingListName, "超级列表1"},
        {gbk::ratedListName, "超级列表2"},
        {gbk::otherSideRatedStatus, "对方已评"},
        {gbk::buyerRatedText, "买家已评价"},
        {gbk::rateSuccessText, "评价成功 - 淘！我喜欢"},
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
