#include "orders/sold_orders_query.h"

#include <gtest/gtest.h>

#include "pages.h"
#include "support/gbk_text.h"
#include "support/program_fixture.h"

namespace tesmira {
namespace {

using test::gbk;

std::vector<marketsim::SoldOrderRow> rows(int count, int firstId = 1,
                                          const char* status = "双方未评") {
    std::vector<marketsim::SoldOrderRow> made;
    for (int i = 0; i < count; ++i) {
        made.push_back({std::to_string(5000 + firstId + i), "buyer" + std::to_string(firstId + i),
                        gbk(status)});
    }
    return made;
}

class SoldOrdersQuery : public test::ProgramTest {
protected:
    // Runs the query from page 1 against answers made per page number.
    void run(std::function<std::string(int)> answer,
             std::vector<marketsim::FaultRule> faults = {}) {
        marketsim::Scenario scenario;
        scenario.faults = std::move(faults);
        scenario.soldOrdersAnswer = std::move(answer);
        for (int id = 5001; id <= 5120; ++id) {  // so that their detail pages exist
            marketsim::SeedOrder order;
            order.orderId = std::to_string(id);
            scenario.orders.push_back(order);
        }
        start(scenario);
        logInThroughThePane();  // the session's start runs the query from page 1
    }
    std::vector<int> pagesAsked() const {
        std::vector<int> pages;
        for (const auto& logged : marketplace->log().requests()) {
            if (logged.method == "POST" && logged.path() == "/trade/itemlist/list_sold_items.htm") {
                const auto at = logged.body.find("&pageNum=") + 9;
                pages.push_back(std::stoi(logged.body.substr(at)));
            }
        }
        return pages;
    }
    int lookups() const {
        return static_cast<int>(std::count(statusBar.history.begin(), statusBar.history.end(),
                                           gbk("正在读取评价到期时间！")));
    }
};

struct ChainCase {
    const char* name;
    std::function<std::string(int)> answer;
    std::vector<int> pages;
    int lookups;
    int refreshInterval, autoRateInterval;
};

void PrintTo(const ChainCase& c, std::ostream* out) {
    *out << c.name;
}

class PageChaining : public SoldOrdersQuery, public testing::WithParamInterface<ChainCase> {};

TEST_P(PageChaining, GoesOnWhileAPageBringsFifteenRows) {
    const ChainCase& c = GetParam();
    run(c.answer);
    EXPECT_EQ(pagesAsked(), c.pages);
    EXPECT_EQ(lookups(), c.lookups);
    EXPECT_EQ(refreshTimer->interval(), c.refreshInterval);
    EXPECT_EQ(autoRateTimer->interval(), c.autoRateInterval);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageChaining,
    testing::Values(
        ChainCase{"FifteenRowsSayingPage2",
                  [](int page) {
                      return page == 1 ? marketsim::soldOrdersAnswer(rows(15), 2)
                                       : marketsim::soldOrdersAnswer(rows(3, 100), page);
                  },
                  {1, 3},
                  1,
                  120000,
                  60000},
        ChainCase{"FifteenRowsWithoutAPageNumber",
                  [](int page) {
                      return page == 1 ? marketsim::soldOrdersAnswer(rows(15), -1)
                                       : marketsim::soldOrdersAnswer({}, page);
                  },
                  {1, 17},
                  1,
                  120000,
                  60000},
        ChainCase{"FourteenRows",
                  [](int page) { return marketsim::soldOrdersAnswer(rows(14), page); },
                  {1},
                  1,
                  120000,
                  60000},
        ChainCase{"NoRows",
                  [](int page) { return marketsim::soldOrdersAnswer({}, page); },
                  {1},
                  1,
                  120000,
                  60000},
        ChainCase{"SixteenRows",
                  [](int page) { return marketsim::soldOrdersAnswer(rows(16), page); },
                  {1},
                  0,
                  600000,
                  60000},
        ChainCase{"NoScriptEnd", [](int) { return std::string("window.data = {}"); }, {1}, 0, 0, 0},
        // A page naming an earlier page would send the chain round for ever.
        ChainCase{"FifteenRowsSayingPage0",
                  [](int) { return marketsim::soldOrdersAnswer(rows(15), 0); },
                  {1},
                  1,
                  120000,
                  60000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SoldOrdersQuery, RowsGoOnTopOnceEachInTheListOfTheirStatus) {
    run(
        [](int) {
            auto page = rows(3, 1);               // A, B, C
            auto rated = rows(1, 2, "对方已评");  // B again: rated by the buyer now
            page.insert(page.end(), rated.begin(), rated.end());
            page.push_back({"5004", "empty status", ""});
            return marketsim::soldOrdersAnswer(page, 1);
        },
        {{marketsim::Endpoint::orderDetail,
          marketsim::FaultKind::emptyBody}});  // no lookup, no sort
    EXPECT_EQ(pendingList.column(0), (std::vector<std::string>{"5004", "5003", "5002", "5001"}));
    EXPECT_EQ(ratedList.column(0), std::vector<std::string>{"5002"})
        << "and it stays in pendingList";
    EXPECT_EQ(ratedList.cellText(0, 1), "buyer2");
    EXPECT_EQ(ratedList.cellText(0, 2), gbk("买家已评价"));

    // The next query lists the same orders: nothing moves, deal times stay.
    pendingList.setCellText(1, 2, "2026-12-01 10:00:00");
    querySoldOrders(*program, 1);
    loop.runEvents();
    EXPECT_EQ(pendingList.column(0), (std::vector<std::string>{"5004", "5003", "5002", "5001"}));
    EXPECT_EQ(pendingList.cellText(1, 2), "2026-12-01 10:00:00");
}

TEST_F(SoldOrdersQuery, TheUpperCaseScriptEndIsReadToo) {
    run([](int) {
        std::string answer = marketsim::soldOrdersAnswer(rows(2), 1);
        const auto end = answer.find("</script>");
        return answer.replace(end, 9, "</SCRIPT>");
    });
    EXPECT_EQ(pendingList.rowCount(), 2);
}

TEST_F(SoldOrdersQuery, AnEmptyAnswerShowsTheSoldItemsPage) {
    run([](int) { return std::string(); });
    EXPECT_EQ(pane->navigations.back(),
              "https://" + program->hosts.tradeHost + "/trade/itemlist/list_sold_items.htm");
    EXPECT_EQ(pendingList.rowCount(), 0);
    EXPECT_EQ(lookups(), 1) << "the sold-items page's load ran the lookup";
}

}  // namespace
}  // namespace tesmira
