#pragma once
// The marketplace's host names, one per role. The logic takes them as a value
// so that tests and the demo can point it at the simulated marketplace.

#include <string>

namespace tesmira {

struct MarketplaceHosts {
    std::string homeHost;
    std::string loginHost;
    std::string securityHost;
    std::string errorHost;
    std::string tradeArchiveHost;
    std::string tradeHost;
    std::string buyerTradeHost;
    std::string rateHost;
    std::string avatarHost;
    std::string cookieDomain;
};

// The hosts this build was configured with.
MarketplaceHosts productionHosts();

}  // namespace tesmira
