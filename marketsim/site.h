#pragma once
// The simulated marketplace's behaviour behind the front door: sessions, the
// sold orders and their pages, the rating form and the check of every rating
// posted against the form served, the verification step.

#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "pages.h"
#include "scenario.h"
#include "session/marketplace_hosts.h"

namespace httplib {
struct Request;
struct Response;
}  // namespace httplib

namespace marketsim {

struct PostedRating {
    std::string orderId;  // the form's parentTradeId
    std::string rateValue;
    std::string rateContent;  // GBK, decoded
    int items = 0;
};

class Site {
public:
    Site(Scenario scenario, tesmira::MarketplaceHosts hosts);

    void handle(const httplib::Request& request, httplib::Response& response);

    // Called by the front door for every request, before it is relayed.
    std::optional<FaultKind> inspect(const std::string& method, const std::string& hostName,
                                     const std::string& path);

    void configure(const std::function<void(Scenario&)>& change);
    std::vector<PostedRating> ratings() const;
    void expireSessions();
    bool verificationPending() const;
    double stallSeconds() const;

private:
    mutable std::mutex mutex_;
    Scenario scenario_;
    tesmira::MarketplaceHosts hosts_;
    std::set<std::string> sessions_;
    std::set<std::string> ratedBySeller_;
    std::map<std::string, RateFormFields> servedForms_;  // by parentTradeId
    std::vector<PostedRating> ratings_;
    std::map<Endpoint, int> requestCounts_;
    int dataRequests_ = 0;
    bool verificationPending_ = false;
    int nextSession_ = 0;

    bool hasSession(const httplib::Request& request) const;
    std::vector<const SeedOrder*> unratedOrders() const;
    const SeedOrder* findOrder(const std::string& orderId) const;
    void reply(httplib::Response& response, const std::string& body,
               const std::string& type = "text/html; charset=GBK", int status = 200) const;
    void redirect(httplib::Response& response, const std::string& address) const;

    void login(const httplib::Request& request, httplib::Response& response);
    void soldOrders(const httplib::Request& request, httplib::Response& response);
    void orderDetail(const httplib::Request& request, httplib::Response& response);
    void rateForm(const httplib::Request& request, httplib::Response& response);
    void ratePost(const httplib::Request& request, httplib::Response& response, bool refused);
    void verify(const httplib::Request& request, httplib::Response& response);
};

}  // namespace marketsim
