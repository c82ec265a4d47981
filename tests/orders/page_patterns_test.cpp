// The page patterns over the simulated marketplace's pages: what the program
// reads from a sold-orders answer and a rating form, fragment for fragment.

#include "orders/page_patterns.h"

#include <gtest/gtest.h>

#include "orders/text_between.h"
#include "pages.h"
#include "rating/rate_form_patterns.h"
#include "support/gbk_text.h"
#include "text/pattern.h"

namespace tesmira {
namespace {

TEST(SoldOrdersPage, RowsAndPageNumberComeOutOfTheData) {
    const std::vector<marketsim::SoldOrderRow> rows = {
        {"3100000000000001", test::gbk("快乐的小猫咪"), test::gbk("对方已评")},
        {"3100000000000002", "tb_buyer02", test::gbk("双方未评")},
        {"3100000000000003", test::gbk("张三"), ""},
    };
    const std::string answer = marketsim::soldOrdersAnswer(rows, 2, 3, 5000);
    const std::string data = textBetween(answer, "window.data", "</script>");
    ASSERT_FALSE(data.empty());

    const auto matches = Pattern(soldOrderRowPattern).findAll(data);
    ASSERT_EQ(matches.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(matches[i].group(1), rows[i].buyerNick);
        EXPECT_EQ(matches[i].group(2), rows[i].orderId);
        EXPECT_EQ(matches[i].group(3), rows[i].statusText);
    }
    const auto page = Pattern(currentPagePattern).findFirst(data);
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->group(1), "2");
}

TEST(OrderDetailPage, EitherTimeFragmentGivesTheDealTime) {
    const std::string dataField =
        test::gbk("{\"name\":\"成交时间:\",\"value\":\"2016-03-01 12:30:45\"}");
    const auto deal = Pattern(dealTimePattern).findFirst(dataField);
    ASSERT_TRUE(deal.has_value());
    EXPECT_EQ(deal->group(1), "2016-03-01 12:30:45");

    const auto confirm = Pattern(confirmTimePattern)
                             .findFirst("<span class=\"confirm-time\">2016-02-28 08:00:00</span>");
    ASSERT_TRUE(confirm.has_value());
    EXPECT_EQ(confirm->group(1), "2016-02-28 08:00:00");
}

TEST(RateFormPage, HeadAndItemFieldsComeOutOfTheForm) {
    const marketsim::RateFormFields form = marketsim::sampleRateForm("3100000000000042", 3);
    const std::string page = marketsim::rateFormPage(form, 4000);

    const auto head = Pattern(rateFormHeadPattern).findFirst(page);
    ASSERT_TRUE(head.has_value());
    const std::vector<std::string> expectedHead = {form.tbToken,     form.parentTradeId,
                                                   form.raterType,   form.raterUid,
                                                   form.ratedUid,    form.bizType,
                                                   form.needRateNum, form.buyerNick,
                                                   form.sellerNick,  form.eventSubmitDoCreateRate,
                                                   form.action};
    EXPECT_EQ(std::vector<std::string>(head->groups.begin() + 1, head->groups.end()), expectedHead);

    const auto items = Pattern(rateFormItemPattern).findAll(page);
    ASSERT_EQ(items.size(), form.items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto& item = form.items[i];
        const std::vector<std::string> expected = {
            item.bizOrderId,      item.auctionId,    item.auctionPictUrl,
            item.auctionSku,      item.prompt,       item.leafCatId,
            item.rootCatId,       item.auctionTitle, item.hiddenGoodNormalBad,
            item.isTaoModouOrder, item.rates};
        EXPECT_EQ(std::vector<std::string>(items[i].groups.begin() + 1, items[i].groups.end()),
                  expected);
    }
}

}  // namespace
}  // namespace tesmira
