#include "session/cookie_clearing.h"

#include <gtest/gtest.h>

#include "support/marketplace_fixture.h"
#include "support/test_cookie.h"

namespace tesmira {
namespace {

using test::testCookie;

TEST(ClearMarketplaceCookies, ExpiresEveryCookieOfTheDomainInTheWritesOrder) {
    CookieStore store;
    store.put(testCookie("a", "taobao.com", true));
    store.put(testCookie("b", "taobao.com", false));
    store.put(testCookie("_tb_sess", "taobao.com", false, "/", true, true));
    store.put(testCookie("lgc", "login.taobao.com", true));
    store.put(testCookie("keep", "elsewhere.com", false));
    std::vector<std::string> removed;
    store.setObserver([&](const Cookie& c, bool added) {
        if (!added)
            removed.push_back(c.name);
    });

    EXPECT_EQ(readCookieListing(store, "taobao.com"), "a=v; b=v; _tb_sess=v")
        << "the https listing carries the Secure cookie the http one would lack";
    clearMarketplaceCookies(store, "taobao.com");

    EXPECT_EQ(removed, (std::vector<std::string>{"a", "b", "_tb_sess", "lgc"}));
    ASSERT_EQ(store.cookies().size(), 1u);
    EXPECT_EQ(store.cookies()[0].name, "keep");
}

TEST(ClearMarketplaceCookies, AnEmptyStoreIsLeftAlone) {
    CookieStore store;
    int events = 0;
    store.setObserver([&](const Cookie&, bool) { ++events; });
    clearMarketplaceCookies(store, "taobao.com");
    EXPECT_EQ(events, 0);
}

class ClearingTheSession : public test::MarketplaceTest {};

TEST_F(ClearingTheSession, ADataRequestAfterItMeetsTheLoginPage) {
    startMarketplace();
    logIn();
    ASSERT_FALSE(cookies.cookies().empty());
    clearMarketplaceCookies(cookies, hosts.cookieDomain);
    EXPECT_TRUE(cookies.cookies().empty()) << "no cookie of the login session is left";
    const std::string page = exchange("get", https(hosts.homeHost, "/my_taobao.htm"));
    EXPECT_NE(page.find("J_Quick2Static"), std::string::npos);
}

}  // namespace
}  // namespace tesmira
