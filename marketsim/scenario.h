#pragma once
// What the simulated marketplace holds and how it misbehaves: the seller's
// account, the sold orders, and faults per endpoint, set by tests and the demo.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "text/local_time.h"

namespace marketsim {

// The seeded seller's name, "星光小店", in GBK.
std::string defaultAccountName();

struct Account {
    std::string loginName = "demo";
    std::string password = "demo1234";
    std::string accountName = defaultAccountName();  // GBK, shown on the home page
    std::string numericId = "2208812345";
};

struct SeedOrder {
    std::string orderId;
    std::string buyerNick;  // GBK
    bool buyerRated = false;
    std::int64_t dealSecondsAgo = 3 * 86400;     // before the scenario's "now"
    std::optional<tesmira::LocalTime> dealTime;  // a fixed deal time instead
    int items = 1;
    bool dealTimeAsDataField = true;  // else the page shows only the confirm-time element
};

enum class Endpoint {
    homePage,
    loginPage,
    loginPost,
    soldOrdersQuery,
    soldItemsPage,
    tradeDetailPage,
    archivedTradePage,
    orderDetail,
    rateForm,
    ratePost,
    ratingsPage,
    rateDetailPage,
    avatar,
    verificationPage,
    verificationPost,
    errorPage,
    other,
};

enum class FaultKind {
    emptyBody,    // status 200, no body
    serverError,  // status 500 with an HTML body
    reset,        // the connection is reset instead of an answer
    stall,        // the answer waits `stallSeconds` before it comes
    refuse,       // the rating post answers without the success text
};

struct FaultRule {
    Endpoint endpoint;
    FaultKind kind;
    int onRequest = 0;  // the Nth request of the endpoint (from 1); 0 for every one
};

struct Scenario {
    Scenario();

    Account account;
    std::vector<SeedOrder> orders;
    std::string compression;  // "", "gzip" or "deflate"
    std::vector<FaultRule> faults;
    double stallSeconds = 5;
    // From the Nth data request on (sold-orders query, order detail), the
    // marketplace wants a verification code until it is answered; 0 never.
    int verificationOnRequest = 0;
    std::string verificationCode = "8421";
    // When set, answers the sold-orders query for a page number instead of the
    // seeded orders: for pages the marketplace would never send.
    std::function<std::string(int pageNumber)> soldOrdersAnswer;
    // Bytes of filler after the home page's profile, for pages of several
    // megabytes; and bytes served as the avatar instead of its picture.
    std::size_t homePagePadding = 0;
    std::optional<std::string> avatarBytes;
    // "Now" for the deal times; the system's local time unless a test sets it.
    std::function<tesmira::LocalTime()> now;

    // `count` orders with Chinese buyer nicks, every third rated by the buyer,
    // deal times spread from `newestDaysAgo` back by `spacingHours`.
    static std::vector<SeedOrder> sampleOrders(int count, double newestDaysAgo = 1,
                                               double spacingHours = 7);
};

// Which endpoint a request is for, from its method, host name and path.
Endpoint endpointOf(const std::string& method, const std::string& hostName,
                    const std::string& path);

// Whether an endpoint carries the marketplace's data to the program's own requests.
bool isDataEndpoint(Endpoint endpoint);

}  // namespace marketsim
