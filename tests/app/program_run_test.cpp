// The program end to end without a window: the seller's login in the pane,
// the session, the lists, the deadlines, the ratings, against the simulated
// marketplace over HTTPS on the test's clock.

#include <gtest/gtest.h>

#include <algorithm>

#include "orders/sold_orders_query.h"
#include "session/session_start.h"
#include "settings/settings_file.h"
#include "support/gbk_text.h"
#include "support/program_fixture.h"
#include "text/gbk_texts.h"

namespace tesmira {
namespace {

using test::gbk;

std::vector<marketsim::LoggedRequest> requestsTo(const marketsim::Marketplace& marketplace,
                                                 const std::string& path) {
    std::vector<marketsim::LoggedRequest> found;
    for (auto& logged : const_cast<marketsim::Marketplace&>(marketplace).log().requests()) {
        if (logged.path() == path) found.push_back(logged);
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
        EXPECT_EQ(queries[page - 1].target, "/trade/itemlist/list_sold_items.htm?commentStatus=I_HAS_NOT_COMMENT");
    }

    std::vector<std::string> pendingIds, ratedIds;
    for (const auto& order : orders) (order.buyerRated ? ratedIds : pendingIds).push_back(order.orderId);
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

}  // namespace
}  // namespace tesmira
