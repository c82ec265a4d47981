// The simulated marketplace holds the program to the site's rules: sessions,
// the rating form's body field by field, the verification step.

#include <gtest/gtest.h>

#include "orders/page_patterns.h"
#include "orders/text_between.h"
#include "rating/encode_form_value.h"
#include "session/request_headers.h"
#include "support/gbk_text.h"
#include "support/marketplace_fixture.h"
#include "text/pattern.h"

namespace tesmira {
namespace {

class SimulatedMarketplace : public test::MarketplaceTest {
protected:
    void SetUp() override {
        marketsim::Scenario scenario;
        scenario.orders = marketsim::Scenario::sampleOrders(37);
        startMarketplace(scenario);
        logIn();
    }

    marketsim::RateFormFields servedForm(const marketsim::SeedOrder& order) {
        exchange("get", https(hosts.rateHost, "/remarkBuyer.jhtml?tradeID=" + order.orderId));
        auto form = marketsim::sampleRateForm(order.orderId, order.items);
        form.buyerNick = order.buyerNick;
        form.sellerNick = marketsim::Account().accountName;
        return form;
    }

    bool post(const std::string& parentTradeId, const std::string& body) {
        const std::string answer =
            exchange("POST", https(hosts.rateHost, "/remarkBuyer.jhtml?tradeID=" + parentTradeId),
                     ratingPostHeaders(hosts.rateHost, body.size()), body);
        return answer.find(test::gbk("评价成功 - 淘！我喜欢")) != std::string::npos;
    }

    std::vector<marketsim::SeedOrder> orders = marketsim::Scenario::sampleOrders(37);
};

TEST_F(SimulatedMarketplace, ListsTheUnratedOrdersFifteenToAPage) {
    const Pattern rows(soldOrderRowPattern);
    std::vector<std::size_t> perPage;
    for (int page = 1; page <= 3; ++page) {
        const std::string answer =
            exchange("POST",
                     https(hosts.tradeHost,
                           "/trade/itemlist/list_sold_items.htm?commentStatus=I_HAS_NOT_COMMENT"),
                     soldOrdersQueryHeaders(),
                     "pageNum=" + std::to_string(page) +
                         "&sellerNumID=2208812345&commentStatus=I_HAS_NOT_COMMENT");
        perPage.push_back(rows.findAll(textBetween(answer, "window.data", "</script>")).size());
    }
    EXPECT_EQ(perPage, (std::vector<std::size_t>{15, 15, 7}));
}

TEST_F(SimulatedMarketplace, TakesARatingWhoseBodyMatchesTheForm) {
    const auto& order = orders[4];  // two items
    const auto form = servedForm(order);
    const std::string content = test::gbk("好评！\r\n谢谢");
    EXPECT_TRUE(post(form.parentTradeId, test::expectedRatingBody(form, "1", content)));
    const auto ratings = marketplace->site().ratings();
    ASSERT_EQ(ratings.size(), 1u);
    EXPECT_EQ(ratings[0].orderId, order.orderId);
    EXPECT_EQ(ratings[0].rateValue, "1");
    EXPECT_EQ(ratings[0].rateContent, content);
    EXPECT_EQ(ratings[0].items, 2);
    EXPECT_FALSE(post(form.parentTradeId, test::expectedRatingBody(form, "1", content)))
        << "rated once only";
}

TEST_F(SimulatedMarketplace, RefusesARatingThatDiffersFromTheForm) {
    struct Case {
        const char* name;
        std::function<std::string(const marketsim::RateFormFields&)> body;
    };
    const Case cases[] = {
        {"another token",
         [](auto form) {
             form.tbToken = "forged";
             return test::expectedRatingBody(form, "1", "x");
         }},
        {"a rating value of 2", [](auto form) { return test::expectedRatingBody(form, "2", "x"); }},
        {"the title unencoded",
         [](auto form) {
             std::string body = test::expectedRatingBody(form, "1", "x");
             const std::string encoded = encodeFormValue(form.items[0].auctionTitle);
             return body.replace(body.find(encoded), encoded.size(), form.items[0].auctionTitle);
         }},
        {"a trailing &", [](auto form) { return test::expectedRatingBody(form, "1", "x") + "&"; }},
        {"the first item left out",
         [](auto form) {
             form.items.erase(form.items.begin());
             return test::expectedRatingBody(form, "1", "x");
         }},
    };
    const auto form = servedForm(orders[2]);  // three items
    for (const Case& c : cases) {
        EXPECT_FALSE(post(form.parentTradeId, c.body(form))) << c.name;
    }
    EXPECT_TRUE(marketplace->site().ratings().empty());
    EXPECT_TRUE(post(form.parentTradeId, test::expectedRatingBody(form, "-1", "")))
        << "the form is still open";
}

TEST_F(SimulatedMarketplace, AsksForAVerificationCodeAndLetsTheSellerThrough) {
    marketplace->site().configure([](marketsim::Scenario& s) { s.verificationOnRequest = 2; });
    const std::string detail =
        "/trade/detail/trade_order_detail.htm?biz_order_id=" + orders[0].orderId;
    EXPECT_FALSE(exchange("get", https(hosts.buyerTradeHost, detail)).empty());
    EXPECT_TRUE(exchange("get", https(hosts.buyerTradeHost, detail)).empty())
        << "the second data request";

    const std::string trade =
        exchange("get", https(hosts.tradeHost, "/trade/itemlist/list_sold_items.htm"));
    EXPECT_NE(trade.find("J_CheckForm"), std::string::npos)
        << "the trade page sends to the verification";
    EXPECT_EQ(requestsTo("/query.htm").back().hostName(), "sec.market.localhost");

    const std::string after =
        exchange("POST", https(hosts.securityHost, "/query.htm"),
                 {{"Content-Type", "application/x-www-form-urlencoded"}}, "checkCode=8421");
    EXPECT_EQ(requestsTo("/trade/detail/trade_item_detail.htm").back().hostName(),
              "tradearchive.market.localhost");
    EXPECT_FALSE(marketplace->site().verificationPending());
    EXPECT_FALSE(exchange("get", https(hosts.buyerTradeHost, detail)).empty());
}

}  // namespace
}  // namespace tesmira
