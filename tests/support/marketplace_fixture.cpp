#include "support/marketplace_fixture.h"

#include "rating/encode_form_value.h"

namespace tesmira::test {

std::string expectedRatingBody(const marketsim::RateFormFields& form, const std::string& value,
                               const std::string& content) {
    std::string body = "_tb_token_=" + form.tbToken + "&parentTradeId=" + form.parentTradeId +
                       "&raterType=" + form.raterType + "&raterUid=" + form.raterUid +
                       "&ratedUid=" + form.ratedUid + "&bizType=" + form.bizType +
                       "&needRateNum=" + form.needRateNum + "&buyerNick=" + form.buyerNick +
                       "&sellerNick=" + form.sellerNick +
                       "&event_submit_do_create_rate=" + form.eventSubmitDoCreateRate +
                       "&action=" + form.action + "&good-all=on&";
    for (std::size_t i = 0; i < form.items.size(); ++i) {
        const auto& item = form.items[i];
        const std::string& b = item.bizOrderId;
        body += "bizOrderIds=" + b + "&auctionId" + b + "=" + item.auctionId + "&auctionPictUrl" +
                b + "=" + item.auctionPictUrl + "&auctionSku" + b + "=" +
                encodeFormValue(item.auctionSku) + "&prompt" + b + "=" +
                encodeFormValue(item.prompt) + "&leafCatId" + b + "=" + item.leafCatId +
                "&rootCatId" + b + "=" + item.rootCatId + "&auctionTitle" + b + "=" +
                encodeFormValue(item.auctionTitle) + "&hiddenGoodNormalBad" + b + "=" +
                item.hiddenGoodNormalBad + "&isTaoModouOrder" + b + "=" + item.isTaoModouOrder +
                "&rates" + b + "=" + value + "&rateContents" + b + "=" + encodeFormValue(content);
        if (i + 1 < form.items.size())
            body += "&";
    }
    return body;
}

void MarketplaceTest::startMarketplace(marketsim::Scenario scenario, HttpRequestOptions options) {
    marketplace = std::make_unique<marketsim::Marketplace>(std::move(scenario));
    ASSERT_TRUE(marketplace->start()) << "the simulated marketplace did not start";
    hosts = marketplace->hosts();
    if (options.userAgent.empty())
        options.userAgent = paneUserAgent;
    if (options.extraCaFile.empty())
        options.extraCaFile = marketplace->caFile();
    request = std::make_unique<HttpRequest>(cookies, options);
}

void MarketplaceTest::logIn() {
    const marketsim::Account account;
    const std::string page =
        exchange("POST", https(hosts.loginHost, "/member/login.jhtml"),
                 {{"Content-Type", "application/x-www-form-urlencoded"}},
                 "TPL_username=" + account.loginName + "&TPL_password=" + account.password);
    ASSERT_NE(page.find("J_UserId"), std::string::npos) << "the login did not reach the home page";
}

std::vector<marketsim::LoggedRequest> MarketplaceTest::requestsTo(const std::string& path) const {
    std::vector<marketsim::LoggedRequest> found;
    for (auto& logged : marketplace->log().requests()) {
        if (logged.path() == path)
            found.push_back(logged);
    }
    return found;
}

}  // namespace tesmira::test
