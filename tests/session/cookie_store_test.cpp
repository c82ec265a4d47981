#include "session/cookie_store.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/test_cookie.h"

namespace tesmira {
namespace {

std::int64_t inSeconds(std::int64_t seconds) {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
               .count() +
           seconds;
}

using test::testCookie;

TEST(CookieStore, ListsTheCookiesARequestWouldCarry) {
    CookieStore store;
    store.put(testCookie("domainWide", "market.localhost", false));
    store.put(testCookie("hostOnly", "market.localhost", true));
    store.put(testCookie("loginOnly", "login.market.localhost", true));
    store.put(testCookie("deep", "market.localhost", false, "/trade"));
    store.put(testCookie("secure", "market.localhost", false, "/", true));
    store.put(testCookie("script-hidden", "market.localhost", false, "/", false, true));
    Cookie expired = testCookie("expired", "market.localhost", false);
    expired.expires = inSeconds(-10);
    store.put(expired);
    store.put(testCookie("other", "elsewhere.localhost", false));

    struct Case {
        std::string address;
        bool httpOnly;
        std::string listing;
    };
    const Case cases[] = {
        {"http://market.localhost", false, "domainWide=v; hostOnly=v"},
        {"https://market.localhost", false, "domainWide=v; hostOnly=v; secure=v"},
        {"https://market.localhost", true, "domainWide=v; hostOnly=v; secure=v; script-hidden=v"},
        {"https://login.market.localhost:8443/member/login.jhtml", false,
         "domainWide=v; loginOnly=v; secure=v"},
        {"https://trade.market.localhost/trade/itemlist", false, "deep=v; domainWide=v; secure=v"},
        {"https://trade.market.localhost/trader", false, "domainWide=v; secure=v"},
        {"http://badmarket.localhost", true, ""},
        {"market.localhost", false, "domainWide=v; hostOnly=v"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(store.listingFor(c.address, c.httpOnly), c.listing) << c.address;
    }
    EXPECT_EQ(store.cookies().size(), 7u) << "an expired cookie is never stored";
}

TEST(CookieStore, WritesFollowTheirDataText) {
    CookieStore store;
    EXPECT_TRUE(
        store.writeCookie("http://market.localhost", "a", "1; path=/; domain=market.localhost"));
    EXPECT_TRUE(store.writeCookie("http://market.localhost/x/y", "b", "2"));
    EXPECT_FALSE(store.writeCookie("http://market.localhost", "c", "3; domain=other.localhost"))
        << "a domain the address is not under";
    ASSERT_EQ(store.cookies().size(), 2u);
    EXPECT_FALSE(store.cookies()[0].hostOnly);
    EXPECT_EQ(store.cookies()[1].path, "/x") << "the default path is the address's directory";
    EXPECT_TRUE(store.cookies()[1].hostOnly);

    // An expiring write removes its slot whatever the cookie's flags.
    store.put(testCookie("a", "market.localhost", false, "/", true, true));
    EXPECT_TRUE(store.writeCookie(
        "http://market.localhost", "a",
        "deleted; expires=Fri, 1-Jan-1999 1:1:1 GMT; path=/; domain=market.localhost"));
    EXPECT_EQ(store.listingFor("https://market.localhost/x/", true), "b=2");
}

TEST(CookieStore, TellsItsObserverOfEveryChangeOnce) {
    CookieStore store;
    std::vector<std::string> events;
    store.setObserver([&](const Cookie& c, bool added) {
        events.push_back((added ? "+" : "-") + c.name + "=" + c.value);
    });
    Cookie c = testCookie("a", "market.localhost", false);
    store.put(c);
    store.put(c);  // unchanged: no event
    c.value = "w";
    store.put(c);
    store.remove(c);
    store.remove(c);
    EXPECT_EQ(events, (std::vector<std::string>{"+a=v", "-a=v", "+a=w", "-a=w"}));
}

TEST(CookieStore, RoundTripsThroughTheNetscapeLinesOfTheCookieEngine) {
    CookieStore store;
    Cookie session = testCookie("_tb_sess", "market.localhost", false, "/", true, true);
    Cookie lasting = testCookie("lgc", "login.market.localhost", true, "/member");
    lasting.expires = inSeconds(3600);
    store.put(session);
    store.put(lasting);
    const auto lines = store.netscapeLines();
    EXPECT_EQ(lines[0], "#HttpOnly_.market.localhost\tTRUE\t/\tTRUE\t0\t_tb_sess\tv");

    CookieStore copy;
    std::vector<std::string> events;
    copy.setObserver(
        [&](const Cookie& c, bool added) { events.push_back((added ? "+" : "-") + c.name); });
    copy.replaceWithNetscapeLines(lines);
    EXPECT_EQ(copy.cookies(), store.cookies());
    copy.replaceWithNetscapeLines({lines[1], "# a comment", "broken line"});
    EXPECT_EQ(events, (std::vector<std::string>{"+_tb_sess", "+lgc", "-_tb_sess"}));
}

TEST(CookieDate, ReadsTheExpiringDateOfTheCloseButton) {
    EXPECT_EQ(cookieDateSeconds("Fri, 1-Jan-1999 1:1:1 GMT"), 915152461);
    EXPECT_FALSE(cookieDateSeconds("not a date").has_value());
}

}  // namespace
}  // namespace tesmira
