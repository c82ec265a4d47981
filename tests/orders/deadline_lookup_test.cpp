#include "orders/deadline_lookup.h"

#include <gtest/gtest.h>

#include "support/gbk_text.h"
#include "support/program_fixture.h"

namespace tesmira {
namespace {

using test::gbk;

class DeadlineLookup : public test::ProgramTest {};

TEST_F(DeadlineLookup, RowsThatHaveTheirTimesCostNoRequestAndAreSorted) {
    startOffline();  // no request object: any request would fail the lookup
    const std::pair<const char*, const char*> rows[] = {
        {"1", "2016-03-01 12:30:45"}, {"2", "2016-02-28 08:00:00"}, {"3", "not a time"}};
    for (const auto& [id, time] : rows) {
        const int row = pendingList.insertRow(pendingList.rowCount(), id);
        pendingList.setCellText(row, 2, time);
    }
    lookUpDeadlines(*program);
    EXPECT_EQ(pendingList.column(0), (std::vector<std::string>{"3", "2", "1"}))
        << "the earliest first";
    EXPECT_TRUE(pause.pauses.empty());
    EXPECT_EQ(statusBar.parts[1], gbk("数据读取完成！"));
    EXPECT_EQ(refreshTimer->intervalsSet, (std::vector<int>{0, 120000}));
    EXPECT_EQ(autoRateTimer->intervalsSet, (std::vector<int>{0, 60000}));
}

TEST_F(DeadlineLookup, AFailedRequestStopsAtItsRowAndSendsThePaneToATradePage) {
    startOffline();
    pendingList.insertRow(0, "1");
    pendingList.insertRow(1, "2");
    pendingList.setCellText(0, 2, "2016-03-01 12:30:45");
    lookUpDeadlines(*program);
    EXPECT_TRUE(pendingList.cellText(1, 2).empty());
    EXPECT_EQ(
        pane->navigations,
        std::vector<std::string>{"https://trade.taobao.com/trade/detail/trade_item_detail.htm"});
    EXPECT_EQ(statusBar.parts[1], gbk("正在读取评价到期时间！"));
    EXPECT_EQ(autoRateTimer->interval(), 0);
}

}  // namespace
}  // namespace tesmira
