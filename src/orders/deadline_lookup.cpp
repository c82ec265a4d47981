#include "orders/deadline_lookup.h"

#include "orders/deal_time.h"
#include "orders/page_patterns.h"
#include "rating/encode_form_value.h"
#include "session/response_text.h"
#include "text/gbk_texts.h"
#include "text/pattern.h"

namespace tesmira {
namespace {

constexpr int pauseAfterEachOrderMs = 1000;

}  // namespace

std::optional<std::string> readDealTime(std::string_view detailPage) {
    static const Pattern dataField(dealTimePattern);
    static const Pattern confirmElement(confirmTimePattern);
    if (auto match = dataField.findFirst(detailPage))
        return match->group(1);
    if (auto match = confirmElement.findFirst(detailPage))
        return match->group(1);
    return std::nullopt;
}

void sortPendingByTime(Program& program, int column) {
    program.controls.pendingList.sortRows(
        column, [](std::string_view a, std::string_view b) { return compareTimes(a, b) < 0; });
}

void lookUpDeadlines(Program& program) {
    Controls& c = program.controls;
    c.refreshTimer.setInterval(0);
    c.autoRateTimer.setInterval(0);
    c.statusBar.setText(1, gbk::readingDeadlinesText);

    // Rows removed during a pause move the later ones up; those are taken up
    // by a later run, and indexes past the end read as empty and are skipped.
    const int rowCount = c.pendingList.rowCount();
    for (int i = 0; i < rowCount; ++i) {
        const std::string orderId = c.pendingList.cellText(i, 0);
        if (!c.pendingList.cellText(i, 2).empty() || orderId.empty()) {
            continue;
        }
        const std::string page = responseText(httpExchange(
            program.state.httpRequest.get(), "get",
            "https://" + program.hosts.buyerTradeHost +
                "/trade/detail/trade_order_detail.htm?biz_order_id=" + encodeFormValue(orderId)));
        const auto dealTime = page.empty() ? std::nullopt : readDealTime(page);
        if (!dealTime) {
            c.events.handlePendingEvents();
            c.loginBrowser.navigate("https://" + program.hosts.tradeHost +
                                    "/trade/detail/trade_item_detail.htm");
            return;
        }
        c.pendingList.setCellText(i, 2, *dealTime);
        c.pendingList.setCellText(i, 3, daysLeftText(c.clock, readTimeText(*dealTime)));
        c.events.pause(pauseAfterEachOrderMs);
    }
    sortPendingByTime(program, 2);
    c.statusBar.setText(1, gbk::dataReadText);
    c.refreshTimer.setInterval(120000);
    c.autoRateTimer.setInterval(60000);
}

}  // namespace tesmira
