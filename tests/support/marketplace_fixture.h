#pragma once
// A simulated marketplace on loopback and the program's side of the wire: the
// shared cookie store and the one request object, trusting the simulator's
// test authority.

#include <gtest/gtest.h>

#include <memory>

#include "marketplace.h"
#include "session/cookie_store.h"
#include "session/http_exchange.h"

namespace tesmira::test {

inline constexpr const char* paneUserAgent =
    "Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, like Gecko) Tesmira";

// A rating body as the marketplace's own rating page would post it for the
// form it served, written out here apart from the program's own builder.
std::string expectedRatingBody(const marketsim::RateFormFields& form, const std::string& value,
                               const std::string& content);

class MarketplaceTest : public testing::Test {
protected:
    // Starts the marketplace with `scenario` and makes the request object.
    void startMarketplace(marketsim::Scenario scenario = marketsim::Scenario(),
                          HttpRequestOptions options = {});

    // Logs in with the demo account as the pane's form would.
    void logIn();

    std::string https(const std::string& host, const std::string& pathAndQuery) const {
        return "https://" + host + pathAndQuery;
    }
    std::string exchange(std::string_view verb, const std::string& address,
                         const std::vector<HttpHeader>& headers = {},
                         const std::optional<std::string>& body = std::nullopt) {
        return httpExchange(request.get(), verb, address, headers, body);
    }
    // The requests the marketplace received, from the first whose path is `path` on.
    std::vector<marketsim::LoggedRequest> requestsTo(const std::string& path) const;

    std::unique_ptr<marketsim::Marketplace> marketplace;
    MarketplaceHosts hosts;
    CookieStore cookies;
    std::unique_ptr<HttpRequest> request;
};

}  // namespace tesmira::test
