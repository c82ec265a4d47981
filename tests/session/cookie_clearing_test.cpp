#include "session/cookie_clearing.h"

#include <gtest/gtest.h>

#include "support/marketplace_fixture.h"

namespace tesmira {
namespace {

Cookie cookie(std::string name, std::string domain, bool hostOnly, bool secure = false,
              bool httpOnly = false) {
    Cookie c;
    c.name = std::move(name);
    c.value = "1";
    c.domain = std::move(domain);
    c.hostOnly = hostOnly;
    c.secure = secure;
    c.httpOnly = httpOnly;
    return c;
}

TEST(ClearMarketplaceCookies, ExpiresEveryCookieOfTheDomainInTheWritesOrder) {
    CookieStore store;
    store.put(cookie("a", "taobao.com", true));
    store.put(cookie("b", "taobao.com", false));
    store.put(cookie("_tb_sess", "taobao.com", false, true, true));
    store.put(cookie("lgc", "login.taobao.com", true));
    store.put(cookie("keep", "elsewhere.com", false));
    std::vector<std::string> removed;
    store.setObserver([&](const Cookie& c, bool added) {
        if (!added)
            removed.push_back(c.name);
    });

    EXPECT_EQ(readCookieListing(store, "taobao.com"), "a=1; b=1; _tb_sess=1")
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
