#include "session/http_exchange.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>

#include "session/request_headers.h"
#include "support/gbk_text.h"
#include "support/marketplace_fixture.h"

namespace tesmira {
namespace {

using test::MarketplaceTest;

std::vector<std::string> headerNames(const marketsim::LoggedRequest& logged) {
    std::vector<std::string> names;
    for (const auto& [name, value] : logged.headers)
        names.push_back(name);
    return names;
}

class HttpExchange : public MarketplaceTest {};

TEST_F(HttpExchange, AGetSendsNoBodyAndNoHeaderOfTheProgramsOwn) {
    startMarketplace();
    logIn();
    const std::string page = exchange("get", https(hosts.homeHost, "/my_taobao.htm"));
    EXPECT_NE(page.find("J_UserId"), std::string::npos);

    const auto logged = requestsTo("/my_taobao.htm").back();
    EXPECT_EQ(logged.method, "GET");
    EXPECT_EQ(logged.body, "");
    EXPECT_EQ(logged.header("Content-Length"), "");
    EXPECT_EQ(logged.header("Content-Type"), "");
    EXPECT_EQ(logged.header("User-Agent"), test::paneUserAgent) << "the pane's user agent";
    EXPECT_EQ(logged.host, hosts.homeHost);
}

TEST_F(HttpExchange, TheSoldOrdersQuerySetsOnlyItsContentType) {
    startMarketplace();
    logIn();
    const std::string body = "pageNum=1&sellerNumID=2208812345&commentStatus=I_HAS_NOT_COMMENT";
    exchange("POST",
             https(hosts.tradeHost,
                   "/trade/itemlist/list_sold_items.htm?commentStatus=I_HAS_NOT_COMMENT"),
             soldOrdersQueryHeaders(), body);
    const auto logged = requestsTo("/trade/itemlist/list_sold_items.htm").back();
    EXPECT_EQ(logged.method, "POST");
    EXPECT_EQ(logged.target, "/trade/itemlist/list_sold_items.htm?commentStatus=I_HAS_NOT_COMMENT");
    EXPECT_EQ(logged.body, body);
    EXPECT_EQ(logged.header("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(logged.header("Content-Length"), std::to_string(body.size()));
}

// The rating post's nine headers go out in their order, each once, with a
// Content-Length that is the byte length of the body actually sent.
TEST_F(HttpExchange, TheRatingPostSendsItsNineHeadersAndItsBodyByteForByte) {
    startMarketplace();
    logIn();
    const std::vector<std::string> bodies = {
        "",
        "a",
        "_tb_token_=x&buyerNick=" + test::gbk("快乐的小猫咪") + "&rates=1",
        std::string(5000, 'z') + "\xBA\xC3",
        std::string("zero\0byte", 9),
    };
    for (const std::string& body : bodies) {
        const auto headers = ratingPostHeaders(hosts.rateHost, body.size());
        exchange("POST", https(hosts.rateHost, "/remarkBuyer.jhtml?tradeID=1"), headers, body);
        const auto logged = requestsTo("/remarkBuyer.jhtml").back();
        EXPECT_EQ(logged.body, body);

        std::vector<std::string> names = headerNames(logged);
        std::set<std::string> distinct(names.begin(), names.end());
        EXPECT_EQ(distinct.size(), names.size()) << "a header went out twice";
        std::vector<std::string> ours;
        for (const std::string& name : names) {
            for (const HttpHeader& header : headers) {
                if (header.name == name)
                    ours.push_back(name);
            }
        }
        // HTTP puts Host right after the request line, and libcurl does so
        // with a Host of the caller's too; the other eight keep their order.
        std::vector<std::string> expected = {"Host"};
        for (const HttpHeader& header : headers) {
            if (header.name != "Host")
                expected.push_back(header.name);
        }
        EXPECT_EQ(ours, expected) << "the nine headers, in their order";
        for (const HttpHeader& header : headers) {
            EXPECT_EQ(logged.header(header.name), header.value) << header.name;
        }
        EXPECT_EQ(logged.header("Content-Length"), std::to_string(body.size()));
    }
}

TEST_F(HttpExchange, TheLoginCookiesGoOutWithTheNextExchangeToAnotherHost) {
    startMarketplace();
    logIn();
    exchange("get",
             https(hosts.buyerTradeHost, "/trade/detail/trade_order_detail.htm?biz_order_id=1"));
    const auto logged = requestsTo("/trade/detail/trade_order_detail.htm").back();
    std::set<std::string> names;
    for (const auto& [name, value] : logged.cookies)
        names.insert(name);
    EXPECT_EQ(names, (std::set<std::string>{"_tb_sess", "tracknick"}))
        << "the domain cookies go, the login host's own cookie stays there";
}

TEST_F(HttpExchange, CookiesSetByAnAnswerReachTheStoresObserver) {
    std::vector<std::pair<Cookie, bool>> events;
    cookies.setObserver(
        [&](const Cookie& cookie, bool added) { events.emplace_back(cookie, added); });
    startMarketplace();
    logIn();
    ASSERT_EQ(events.size(), 3u);
    std::map<std::string, Cookie> added;
    for (const auto& [cookie, isAdded] : events) {
        EXPECT_TRUE(isAdded);
        added[cookie.name] = cookie;
    }
    EXPECT_TRUE(added.at("_tb_sess").httpOnly);
    EXPECT_TRUE(added.at("_tb_sess").secure);
    EXPECT_FALSE(added.at("_tb_sess").hostOnly);
    EXPECT_EQ(added.at("_tb_sess").domain, "market.localhost");
    EXPECT_FALSE(added.at("tracknick").httpOnly);
    EXPECT_TRUE(added.at("lgc").hostOnly);
    EXPECT_EQ(added.at("lgc").domain, "login.market.localhost");

    events.clear();
    exchange("get", https(hosts.homeHost, "/my_taobao.htm"));
    EXPECT_TRUE(events.empty()) << "an answer that sets nothing changes nothing";
}

TEST_F(HttpExchange, CompressedAnswersArriveDecoded) {
    std::string plain;
    for (const std::string compression : {"", "gzip", "deflate"}) {
        marketsim::Scenario scenario;
        scenario.compression = compression;
        startMarketplace(scenario);
        const std::string page = exchange("get", https(hosts.loginHost, "/member/login.jhtml"));
        EXPECT_NE(page.find("J_Quick2Static"), std::string::npos) << compression;
        if (compression.empty()) {
            plain = page;
        } else {
            EXPECT_EQ(page, plain) << compression;
        }
    }
}

TEST_F(HttpExchange, AnswersWithAnErrorStatusComeBackWithTheirBody) {
    marketsim::Scenario scenario;
    scenario.faults = {{marketsim::Endpoint::loginPage, marketsim::FaultKind::serverError}};
    startMarketplace(scenario);
    const std::string page = exchange("get", https(hosts.loginHost, "/member/login.jhtml"));
    EXPECT_NE(page.find("500"), std::string::npos);
}

TEST_F(HttpExchange, EveryFailureGivesEmptyBytes) {
    struct Case {
        const char* name;
        marketsim::FaultKind fault;
    };
    for (const Case c : {Case{"empty body", marketsim::FaultKind::emptyBody},
                         Case{"connection reset", marketsim::FaultKind::reset},
                         Case{"stalled answer", marketsim::FaultKind::stall}}) {
        marketsim::Scenario scenario;
        scenario.faults = {{marketsim::Endpoint::loginPage, c.fault}};
        scenario.stallSeconds = 4;
        startMarketplace(scenario, {.userAgent = "",
                                    .extraCaFile = "",
                                    .connectTimeoutMs = 15000,
                                    .totalTimeoutMs = 1000});
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(exchange("get", https(hosts.loginHost, "/member/login.jhtml")), "") << c.name;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4))
            << c.name << ": the time-out ends the exchange, not the answer";
        EXPECT_FALSE(
            exchange("get", https(hosts.avatarHost, "/avatar/getAvatar.do?userId=1")).empty())
            << c.name << ": the next exchange works again";
    }
}

TEST_F(HttpExchange, AnUnreachableHostOrAnUntrustedCertificateGivesEmptyBytes) {
    startMarketplace();
    const int port = marketplace->port();
    marketplace->stop();
    EXPECT_EQ(
        exchange("get", "https://i.market.localhost:" + std::to_string(port) + "/my_taobao.htm"),
        "");
    EXPECT_EQ(httpExchange(nullptr, "get", "https://i.market.localhost/"), "")
        << "no request object";

    marketplace = std::make_unique<marketsim::Marketplace>();
    ASSERT_TRUE(marketplace->start());
    HttpRequest untrusting(
        cookies, {.userAgent = test::paneUserAgent, .extraCaFile = ""});  // the system's roots only
    EXPECT_EQ(untrusting.exchange(
                  "get", https(marketplace->hosts().loginHost, "/member/login.jhtml"), {}, {}),
              "");
    EXPECT_TRUE(marketplace->log().requests().empty())
        << "nothing was sent over the refused connection";
}

TEST_F(HttpExchange, OneConnectionPerHostServesAWholeRun) {
    startMarketplace();
    logIn();
    for (int i = 0; i < 20; ++i) {
        exchange("get",
                 https(hosts.buyerTradeHost,
                       "/trade/detail/trade_order_detail.htm?biz_order_id=" + std::to_string(i)));
        exchange("get", https(hosts.rateHost, "/remarkBuyer.jhtml?tradeID=" + std::to_string(i)));
        exchange("get", https(hosts.homeHost, "/my_taobao.htm"));
    }
    for (const auto& [host, connections] : marketplace->log().connectionsPerHost()) {
        EXPECT_EQ(connections, 1) << host;
    }
    EXPECT_EQ(marketplace->log().connectionsPerHost().size(), 4u);  // login, home, buyertrade, rate
    EXPECT_EQ(request->connectionsOpened(), 4);
}

TEST_F(HttpExchange, ALapsedSessionDeliversTheLoginPage) {
    startMarketplace();
    logIn();
    marketplace->site().expireSessions();
    const std::string page = exchange("get", https(hosts.homeHost, "/my_taobao.htm"));
    EXPECT_NE(page.find("J_Quick2Static"), std::string::npos);
    EXPECT_EQ(page.find("J_UserId"), std::string::npos);
}

}  // namespace
}  // namespace tesmira
