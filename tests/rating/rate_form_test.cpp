#include "rating/rate_form.h"

#include <gtest/gtest.h>

#include "pages.h"
#include "support/gbk_text.h"

namespace tesmira {
namespace {

using test::gbk;

RateForm oneItemForm() {
    RateForm form{"tok",
                  "1001",
                  "1",
                  "22",
                  "33",
                  "200",
                  "1",
                  gbk("买家"),
                  gbk("卖家"),
                  "1",
                  "rate/RateAction",
                  {}};
    form.items.push_back({"1001", "555", "p.jpg", "", "", "50", "16", "T shirt", "", "false", "0"});
    return form;
}

TEST(RatingBody, HasTheHeadAsFoundAndOnePartPerItem) {
    const std::string head =
        "_tb_token_=tok&parentTradeId=1001&raterType=1&raterUid=22&ratedUid=33&bizType=200"
        "&needRateNum=1&buyerNick=" +
        gbk("买家") + "&sellerNick=" + gbk("卖家") +
        "&event_submit_do_create_rate=1&action=rate/RateAction&good-all=on&";
    const std::string item =
        "bizOrderIds=1001&auctionId1001=555&auctionPictUrl1001=p.jpg&auctionSku1001="
        "&prompt1001=&leafCatId1001=50&rootCatId1001=16&auctionTitle1001=T%20shirt"
        "&hiddenGoodNormalBad1001=&isTaoModouOrder1001=false&rates1001=";
    RateForm three = oneItemForm();
    three.items.push_back(three.items[0]);
    three.items.push_back(three.items[0]);
    for (auto& [b, n] : {std::pair{1, "2002"}, std::pair{2, "3003"}})
        three.items[b].bizOrderIds = n;
    auto itemFor = [&](const std::string& b) {
        std::string part = item;
        for (std::size_t at = part.find("1001"); at != std::string::npos;
             at = part.find("1001", at + b.size())) {
            part.replace(at, 4, b);
        }
        return part;
    };
    RateForm none = oneItemForm();
    none.items.clear();

    struct Case {
        const char* name;
        RateForm form;
        std::string content, value, body;
    };
    const Case cases[] = {
        {"the design's example", oneItemForm(), gbk("好评"), "1",
         head + item + "1&rateContents1001=%BA%C3%C6%C0"},
        {"an empty text ends the body with the key", oneItemForm(), "", "1",
         head + item + "1&rateContents1001="},
        {"a bad rating unencoded", oneItemForm(), "x", "-1", head + item + "-1&rateContents1001=x"},
        {"three items, the same rating in each", three, "ok", "1",
         head + itemFor("1001") + "1&rateContents1001=ok&" + itemFor("2002") +
             "1&rateContents2002=ok&" + itemFor("3003") + "1&rateContents3003=ok"},
        {"no item: the head alone", none, "x", "1", head},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ratingBody(c.form, c.content, c.value), c.body) << c.name;
    }
}

TEST(ReadRateForm, TakesTheFirstHeadAndEveryItemOfThePage) {
    auto served = marketsim::sampleRateForm("3100000000000042", 2);
    served.items[0].rates = "5";
    const std::string page = marketsim::rateFormPage(served);
    const auto form =
        readRateForm(page + marketsim::rateFormPage(marketsim::sampleRateForm("999", 0)));
    ASSERT_TRUE(form.has_value());
    EXPECT_EQ(form->parentTradeId, "3100000000000042") << "the first head of two";
    ASSERT_EQ(form->items.size(), 2u);
    EXPECT_EQ(form->items[1].auctionTitle, served.items[1].auctionTitle);
    EXPECT_EQ(ratingBody(*form, "", "1").find("rates" + served.items[0].bizOrderId + "=5"),
              std::string::npos)
        << "the page's rates value is never sent";
    EXPECT_FALSE(readRateForm(page.substr(0, page.find("name=\"action\""))).has_value())
        << "a cut head";
    EXPECT_FALSE(readRateForm("").has_value());
}

}  // namespace
}  // namespace tesmira
