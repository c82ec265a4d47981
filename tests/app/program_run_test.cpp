// The program end to end without a window: the seller's login in the pane,
// the session, the lists, the deadlines, the ratings, against the simulated
// marketplace over HTTPS on the test's clock.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/lifecycle.h"
#include "app/window_chrome.h"
#include "orders/deadline_lookup.h"
#include "orders/rating_schedule.h"
#include "orders/sold_orders_query.h"
#include "rating/rating_commands.h"
#include "rating/submit_rating.h"
#include "session/login_watcher.h"
#include "session/session_start.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "support/gbk_text.h"
#include "support/marketplace_fixture.h"
#include "support/program_fixture.h"
#include "text/gbk_texts.h"

namespace tesmira {
namespace {

using test::gbk;

std::vector<marketsim::LoggedRequest> requestsTo(const marketsim::Marketplace& marketplace,
                                                 const std::string& path) {
    std::vector<marketsim::LoggedRequest> found;
    for (auto& logged : const_cast<marketsim::Marketplace&>(marketplace).log().requests()) {
        if (logged.path() == path)
            found.push_back(logged);
    }
    return found;
}

class ProgramRun : public test::ProgramTest {
protected:
    std::vector<marketsim::SeedOrder> orders = marketsim::Scenario::sampleOrders(37);

    void startWithOrders() {
        marketsim::Scenario scenario;
        scenario.orders = orders;
        start(scenario);
    }
};

TEST_F(ProgramRun, BeforeLoginThePaneShowsTheLoginForm) {
    startWithOrders();
    EXPECT_NE(pane->address().find("/member/login.jhtml"), std::string::npos);
    EXPECT_TRUE(pane->visible);
    EXPECT_EQ(pane->scripts.size(), 1u) << "the switch to the password form";
    EXPECT_EQ(statusBar.parts[1], gbk::pleaseLogInText);
    EXPECT_FALSE(pendingList.visible());
    EXPECT_FALSE(window.settingsEnabled);
}

TEST_F(ProgramRun, TheHomePageStartsTheSession) {
    startWithOrders();
    logInThroughThePane();
    const SharedState& state = program->state;
    EXPECT_EQ(state.accountName, marketsim::defaultAccountName());
    EXPECT_EQ(state.sellerNumId, "2208812345");
    EXPECT_EQ(state.goodRateText, gbk("欢迎光临！"));
    EXPECT_EQ(state.badRateText, gbk("互相的！"));
    EXPECT_EQ(state.autoRateDays, 5);
    EXPECT_EQ(readFileOrEmpty(settings.path() / "星光小店_好评 .TXT"), gbk("欢迎光临！"))
        << "the defaults are written on the first login";
    EXPECT_TRUE(state.avatarImage.starts_with("\x89PNG"));
    ASSERT_EQ(window.icon.size(), 3262u);
    EXPECT_EQ(window.icon.substr(62, 3), "\x20\x80\xF0") << "the avatar's pixels";
    EXPECT_EQ(window.icon, buildWindowIcon(pictures.iconPixels(state.avatarImage)));
    EXPECT_EQ(tray.icon, window.icon);
    EXPECT_EQ(tray.tip, state.accountName);
    EXPECT_EQ(window.title, state.accountName);
    EXPECT_EQ(window.titleLabel, state.accountName);
    EXPECT_TRUE(window.settingsEnabled);
    EXPECT_FALSE(pane->visible) << "the home page's navigation hid the pane";
    EXPECT_TRUE(pendingList.visible() && ratedList.visible() && window.captionsVisible);
    EXPECT_EQ(requestsTo(*marketplace, "/trade/itemlist/list_sold_items.htm").front().body,
              soldOrdersQueryBody(1, "2208812345"));
}

TEST_F(ProgramRun, ThreePagesOfOrdersFillTheListsAndTheDeadlines) {
    startWithOrders();
    const std::int64_t before = loop.nowMs();
    logInThroughThePane();

    const auto queries = requestsTo(*marketplace, "/trade/itemlist/list_sold_items.htm");
    ASSERT_EQ(queries.size(), 3u);
    for (int page = 1; page <= 3; ++page) {
        EXPECT_EQ(queries[page - 1].body, soldOrdersQueryBody(page, "2208812345"));
        EXPECT_EQ(queries[page - 1].target,
                  "/trade/itemlist/list_sold_items.htm?commentStatus=I_HAS_NOT_COMMENT");
    }

    std::vector<std::string> pendingIds, ratedIds;
    for (const auto& order : orders)
        (order.buyerRated ? ratedIds : pendingIds).push_back(order.orderId);
    // Rows go in at the top, page after page; the sort by deal time then puts
    // the oldest deal first, which is the order the marketplace listed last.
    std::reverse(ratedIds.begin(), ratedIds.end());
    std::reverse(pendingIds.begin(), pendingIds.end());
    EXPECT_EQ(ratedList.column(0), ratedIds);
    EXPECT_EQ(pendingList.column(0), pendingIds);
    EXPECT_EQ(ratedList.column(2), std::vector<std::string>(ratedIds.size(), gbk("买家已评价")));

    const auto details = requestsTo(*marketplace, "/trade/detail/trade_order_detail.htm");
    EXPECT_EQ(details.size(), pendingIds.size()) << "one detail page per pending order";
    EXPECT_EQ(pause.pauses, std::vector<int>(pendingIds.size(), 1000));
    EXPECT_GE(loop.nowMs() - before, 1000 * static_cast<std::int64_t>(pendingIds.size()));
    for (int row = 0; row < pendingList.rowCount(); ++row) {
        EXPECT_FALSE(pendingList.cellText(row, 2).empty());
        EXPECT_TRUE(pendingList.cellText(row, 3).ends_with(gbk("天")));
    }
    EXPECT_EQ(statusBar.parts[1], gbk("数据读取完成！"));
    EXPECT_EQ(refreshTimer->interval(), 120000);
    EXPECT_EQ(autoRateTimer->interval(), 60000);
}

// Four pending orders whose days left at the first tick are known: it comes
// one second per looked-up order and a minute after the lookup.
class AutomaticRating : public test::ProgramTest {
protected:
    static constexpr std::int64_t tickSeconds = 4 + 60;
    static LocalTime leftAtTick(double days) {
        return LocalTime{startTime().secondsSinceEpoch + tickSeconds -
                         static_cast<std::int64_t>((15 - days) * 86400)};
    }
    void SetUp() override {
        marketsim::Scenario scenario;
        scenario.orders = {
            {"3100000000000001", gbk("四点九四"), false, 0, leftAtTick(4.94), 1, true},
            {"3100000000000002", gbk("四点九六"), false, 0, leftAtTick(4.96), 1, false},
            {"3100000000000003", "far_away", false, 0, leftAtTick(10), 2, true},
            {"3100000000000004", gbk("快乐的小猫咪"), false, 0, leftAtTick(1), 3, true},
        };
        start(scenario);
        logInThroughThePane();
        ASSERT_EQ(autoRateTimer->dueMs(), loop.nowMs() + 60000);
        ASSERT_EQ(loop.nowMs() / 1000 + 60, tickSeconds);
    }
};

TEST_F(AutomaticRating, TheTickRatesTheOrdersUnderTheThresholdOnly) {
    EXPECT_EQ(pendingList.column(0),
              (std::vector<std::string>{"3100000000000004", "3100000000000001", "3100000000000002",
                                        "3100000000000003"}));
    loop.advance(60000);

    const auto ratings = marketplace->site().ratings();
    ASSERT_EQ(ratings.size(), 2u);
    EXPECT_EQ(ratings[0].orderId, "3100000000000004") << "row 0 first, then row 1";
    EXPECT_EQ(ratings[1].orderId, "3100000000000001");
    EXPECT_EQ(ratings[0].items, 3);
    EXPECT_EQ(ratings[0].rateValue, "1");
    EXPECT_EQ(ratings[0].rateContent, gbk("欢迎光临！"));

    // The body, byte for byte, as the marketplace's own page would post it.
    auto form = marketsim::sampleRateForm("3100000000000004", 3);
    form.buyerNick = gbk("快乐的小猫咪");
    form.sellerNick = marketsim::defaultAccountName();
    const auto posts = requestsTo(*marketplace, "/remarkBuyer.jhtml");
    ASSERT_GE(posts.size(), 2u);
    EXPECT_EQ(posts[1].method, "POST");
    EXPECT_EQ(posts[1].body, test::expectedRatingBody(form, "1", gbk("欢迎光临！")));

    EXPECT_EQ(pendingList.column(0),
              (std::vector<std::string>{"3100000000000002", "3100000000000003"}));
    EXPECT_EQ(pendingList.cellText(0, 3), gbk("5.0天")) << "4.96 days left shows 5.0 and waits";
    EXPECT_EQ(pendingList.cellText(1, 3), gbk("10.0天"));
    EXPECT_EQ(autoRateTimer->interval(), 60000);
}

TEST_F(AutomaticRating, TheNextTicksRateEachOrderOnce) {
    loop.advance(60000);
    loop.advance(3 * 3600 * 1000);  // 4.96 falls under 5 within minutes; 10 days left stays
    std::vector<std::string> rated;
    for (const auto& rating : marketplace->site().ratings())
        rated.push_back(rating.orderId);
    EXPECT_EQ(rated, (std::vector<std::string>{"3100000000000004", "3100000000000001",
                                               "3100000000000002"}));
    EXPECT_EQ(pendingList.column(0), std::vector<std::string>{"3100000000000003"});
}

TEST_F(AutomaticRating, ARatingTheMarketplaceDidNotConfirmIsTriedAgainAtTheNextTick) {
    marketplace->site().expireSessions();
    loop.advance(60000);
    EXPECT_TRUE(marketplace->site().ratings().empty());
    EXPECT_EQ(pendingList.rowCount(), 4) << "no order is dropped unrated";
    EXPECT_EQ(autoRateTimer->interval(), 60000);

    logInThroughThePane();
    loop.advance(60000);
    std::vector<std::string> rated;
    for (const auto& rating : marketplace->site().ratings())
        rated.push_back(rating.orderId);
    EXPECT_EQ(rated, (std::vector<std::string>{"3100000000000004", "3100000000000001"}));
    EXPECT_EQ(pendingList.column(0),
              (std::vector<std::string>{"3100000000000002", "3100000000000003"}));
}

class RatingByHand : public ProgramRun {
protected:
    void SetUp() override {
        startWithOrders();
        logInThroughThePane();
    }
};

TEST_F(RatingByHand, TheOrderMenuOverPendingListRatesTheLastSelectedFirst) {
    const std::vector<std::string> before = pendingList.column(0);
    pendingList.select({2, 5, 7});
    ASSERT_TRUE(showOrderMenu(*program, ListRole::pending));
    rateSelectedOrders(*program);

    std::vector<std::string> rated;
    for (const auto& rating : marketplace->site().ratings())
        rated.push_back(rating.orderId);
    EXPECT_EQ(rated, (std::vector<std::string>{before[7], before[5], before[2]}));
    std::vector<std::string> rest = before;
    for (int row : {7, 5, 2})
        rest.erase(rest.begin() + row);
    EXPECT_EQ(pendingList.column(0), rest);
    EXPECT_EQ(statusBar.parts[1], gbk("全部订单已评价完成！"));
    EXPECT_TRUE(program->state.activeListName.empty());
}

TEST_F(RatingByHand, TheOrderMenuOverRatedListUsesThePresetsThenShowsTheRatings) {
    const std::vector<std::string> ids = ratedList.column(0);
    ASSERT_GE(ids.size(), 3u);
    ASSERT_TRUE(saveBadRatePreset(settings.path(), program->state, ids[0], gbk("恶意差评")));
    ratedList.select({0, 1});
    ASSERT_TRUE(showOrderMenu(*program, ListRole::rated));
    rateSelectedOrders(*program);

    const auto ratings = marketplace->site().ratings();
    ASSERT_EQ(ratings.size(), 2u);
    EXPECT_EQ(ratings[0].orderId, ids[1]);
    EXPECT_EQ(ratings[0].rateContent, gbk("互相的！")) << "no preset: the general bad text";
    EXPECT_EQ(ratings[1].orderId, ids[0]);
    EXPECT_EQ(ratings[1].rateContent, gbk("恶意差评"));
    EXPECT_EQ(ratings[1].rateValue, "-1");
    EXPECT_EQ(popup.shown,
              std::vector<std::string>{"https://" + program->hosts.rateHost + "/myRate.htm"});
    EXPECT_TRUE(program->state.popupAddress.empty()) << "emptied when the popup closed";
    EXPECT_EQ(ratedList.rowCount(), static_cast<int>(ids.size()) - 2);
}

TEST_F(RatingByHand, DoubleClicksRateOneOrder) {
    const std::string pendingOrder = pendingList.cellText(3, 0);
    pendingList.select({3});
    pendingDoubleClick(*program);
    EXPECT_EQ(pendingList.findRow(pendingOrder), -1);
    EXPECT_EQ(statusBar.parts[1], gbk("评价完成。"));
    EXPECT_EQ(program->state.activeListName, gbk("超级列表1"));

    const std::string ratedOrder = ratedList.cellText(1, 0);
    ratedList.select({1});
    popup.onOpen = [&] {
        EXPECT_GE(ratedList.findRow(ratedOrder), 0) << "removed only after the popup";
    };
    ratedDoubleClick(*program);
    EXPECT_EQ(ratedList.findRow(ratedOrder), -1);
    EXPECT_EQ(popup.shown.back(), "https://" + program->hosts.rateHost +
                                      "/RateDetailSeller.htm?parentTradeId=" + ratedOrder);
    EXPECT_EQ(program->state.activeListName, gbk("超级列表2"));

    // A refused rating by double click leaves its row.
    const std::string refused = pendingList.cellText(0, 0);
    marketplace->site().configure([](marketsim::Scenario& s) {
        s.faults = {{marketsim::Endpoint::ratePost, marketsim::FaultKind::refuse}};
    });
    pendingList.select({0});
    pendingDoubleClick(*program);
    EXPECT_EQ(pendingList.findRow(refused), 0);
}

class Fallbacks : public ProgramRun {
protected:
    void startWith(std::vector<marketsim::FaultRule> faults, int orderCount = 37,
                   int verificationOn = 0) {
        marketsim::Scenario scenario;
        scenario.orders = marketsim::Scenario::sampleOrders(orderCount);
        scenario.faults = std::move(faults);
        scenario.verificationOnRequest = verificationOn;
        start(scenario);
    }
    int filledRows() const {
        int filled = 0;
        for (int row = 0; row < pendingList.rowCount(); ++row)
            filled += !pendingList.cellText(row, 2).empty();
        return filled;
    }
};

TEST_F(Fallbacks, AnEmptyQueryAnswerSendsThePaneToTheSoldItemsPageWhoseLoadRunsTheLookup) {
    startWith({{marketsim::Endpoint::soldOrdersQuery, marketsim::FaultKind::emptyBody, 1}});
    logInThroughThePane();
    EXPECT_EQ(pane->navigations.back(),
              "https://" + program->hosts.tradeHost + "/trade/itemlist/list_sold_items.htm");
    EXPECT_EQ(pendingList.rowCount(), 0) << "nothing was listed";
    EXPECT_EQ(requestsTo(*marketplace, "/trade/itemlist/list_sold_items.htm").back().method, "GET");
    EXPECT_TRUE(std::count(statusBar.history.begin(), statusBar.history.end(),
                           gbk("验证码验证成功！")) == 1);
    EXPECT_EQ(statusBar.parts[1], gbk("数据读取完成！")) << "the lookup ran, on an empty list";
    EXPECT_EQ(autoRateTimer->interval(), 60000);
}

TEST_F(Fallbacks, AnEmptyDetailAnswerStopsTheLookupWithTheTimersStopped) {
    startWith({{marketsim::Endpoint::orderDetail, marketsim::FaultKind::emptyBody, 3}}, 5);
    logInThroughThePane();
    ASSERT_EQ(pendingList.rowCount(), 4);  // one of the five was rated by the buyer
    EXPECT_FALSE(pendingList.cellText(0, 2).empty());
    EXPECT_FALSE(pendingList.cellText(1, 2).empty());
    EXPECT_TRUE(pendingList.cellText(2, 2).empty());
    EXPECT_TRUE(pendingList.cellText(3, 2).empty());
    EXPECT_EQ(autoRateTimer->interval(), 0);
    EXPECT_EQ(refreshTimer->interval(), 0);
    EXPECT_EQ(statusBar.parts[1], gbk("正在读取评价到期时间！"));
    EXPECT_EQ(pane->navigations.back(),
              "https://" + program->hosts.tradeHost + "/trade/detail/trade_item_detail.htm");
}

TEST_F(Fallbacks, AVerificationPageShowsThePaneAndTheTradePageAfterItResumesTheLookup) {
    startWith({}, 10, 3);  // the third data request meets the verification
    logInThroughThePane();
    EXPECT_TRUE(pane->visible);
    EXPECT_TRUE(pane->onTop);
    EXPECT_EQ(statusBar.parts[1], gbk("请填入验证码！"));
    EXPECT_LT(filledRows(), pendingList.rowCount());

    pane->submitForm("https://" + program->hosts.securityHost + "/query.htm", "checkCode=8421");
    loop.runEvents();
    EXPECT_FALSE(pane->visible);
    EXPECT_FALSE(pane->onTop);
    EXPECT_EQ(filledRows(), pendingList.rowCount()) << "the lookup resumed and finished";
    EXPECT_EQ(statusBar.parts[1], gbk("数据读取完成！"));
    EXPECT_EQ(autoRateTimer->interval(), 60000);
}

TEST_F(Fallbacks, ALapsedSessionFailsARatingAndBringsTheLoginFormBackForTheLookup) {
    startWith({}, 10);
    logInThroughThePane();
    marketplace->site().expireSessions();
    EXPECT_FALSE(submitRating(*program, pendingList.cellText(0, 0), "x", "1"));

    pendingList.setCellText(0, 2, "");  // an order still to be looked up
    lookUpDeadlines(*program);
    loop.runEvents();
    EXPECT_NE(pane->address().find("/member/login.jhtml"), std::string::npos);
    EXPECT_TRUE(pane->visible) << "the seller must see the login form";
    EXPECT_TRUE(pane->onTop);
    EXPECT_EQ(autoRateTimer->interval(), 0);

    logInThroughThePane();
    EXPECT_EQ(filledRows(), pendingList.rowCount()) << "the new login resumed the lookup";
    EXPECT_EQ(autoRateTimer->interval(), 60000);
    EXPECT_FALSE(pane->visible);
}

TEST_F(Fallbacks, TheErrorPageEndsTheProgramAndKeepsTheCookies) {
    startWith({}, 3);
    logInThroughThePane();
    const std::size_t cookiesBefore = cookies.cookies().size();
    pane->navigate("http://" + program->hosts.errorHost + "/error2.html");
    loop.runEvents();
    EXPECT_TRUE(window.ended);
    EXPECT_EQ(cookies.cookies().size(), cookiesBefore);
}

TEST_F(Fallbacks, TheCloseButtonClearsTheCookiesAndEndsTheProgram) {
    startWith({}, 3);
    logInThroughThePane();
    ASSERT_FALSE(cookies.cookies().empty());
    quitProgram(*program);
    EXPECT_TRUE(window.ended);
    EXPECT_TRUE(cookies.cookies().empty());
    releaseSharedState(program->state);
    EXPECT_TRUE(program->state.accountName.empty());
    EXPECT_EQ(program->state.httpRequest, nullptr);
}

}  // namespace
}  // namespace tesmira
