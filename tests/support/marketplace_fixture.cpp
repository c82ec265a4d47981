#include "support/marketplace_fixture.h"

namespace tesmira::test {

void MarketplaceTest::startMarketplace(marketsim::Scenario scenario, HttpRequestOptions options) {
    marketplace = std::make_unique<marketsim::Marketplace>(std::move(scenario));
    ASSERT_TRUE(marketplace->start()) << "the simulated marketplace did not start";
    hosts = marketplace->hosts();
    if (options.userAgent.empty()) options.userAgent = paneUserAgent;
    if (options.extraCaFile.empty()) options.extraCaFile = marketplace->caFile();
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
        if (logged.path() == path) found.push_back(logged);
    }
    return found;
}

}  // namespace tesmira::test
