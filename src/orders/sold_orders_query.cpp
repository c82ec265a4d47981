#include "orders/sold_orders_query.h"

#include <limits>

#include "orders/deadline_lookup.h"
#include "orders/page_patterns.h"
#include "orders/text_between.h"
#include "session/request_headers.h"
#include "text/decimal_text.h"
#include "text/gbk_texts.h"
#include "text/pattern.h"

namespace tesmira {

std::string soldOrdersQueryBody(int pageNumber, std::string_view sellerNumId) {
    return "event_submit_do_query=1&closeorder_flag=1&isArchive=false&isArchiveDefault=0&user_type="
           "1"
           "&pageNum=" +
           std::to_string(pageNumber) +
           "&order=desc&order_type=orderList&isQueryMore=&select_shop_name=&isOwnOfficialShop=false"
           "&sellerNumID=" +
           std::string(sellerNumId) +
           "&from_flag=&timeStamp=&sessionID=&authType=1&auctionTitle=&bizOrderTimeBegin="
           "&bizOrderHourBegin=00&bizOrderMinBegin=&bizOrderTimeEnd=&bizOrderHourEnd=00"
           "&bizOrderMinEnd=&buyerNick=&auctionStatus=ALL&commentStatus=I_HAS_NOT_COMMENT"
           "&bizOrderId=&logisticsService=ALL&tradeDissension=ALL&auctionType=0&queryBizType="
           "&shopName=All&action=itemlist/QueryAction";
}

std::optional<SoldOrdersPage> readSoldOrdersPage(std::string_view answer) {
    static const Pattern rowPattern(soldOrderRowPattern);
    static const Pattern pagePattern(currentPagePattern);
    std::string data = textBetween(answer, "window.data", "</script>");
    if (data.empty())
        data = textBetween(answer, "window.data", "</SCRIPT>");
    if (data.empty()) {
        return std::nullopt;
    }
    SoldOrdersPage page;
    for (const PatternMatch& row : rowPattern.findAll(data))
        page.rows.push_back({row.group(1), row.group(2), row.group(3)});
    const auto current = pagePattern.findFirst(data);
    page.currentPage =
        current ? leadingInteger(current->group(1)) : static_cast<int>(page.rows.size()) + 1;
    return page;
}

void querySoldOrders(Program& program, int pageNumber) {
    Controls& c = program.controls;
    // The chain of pages is a loop here rather than nested calls, so that a
    // seller with thousands of orders cannot exhaust the stack.
    while (true) {
        c.autoRateTimer.setInterval(0);
        c.refreshTimer.setInterval(0);
        const std::string answer = httpExchange(
            program.state.httpRequest.get(), "POST",
            "https://" + program.hosts.tradeHost +
                "/trade/itemlist/list_sold_items.htm?commentStatus=I_HAS_NOT_COMMENT",
            soldOrdersQueryHeaders(), soldOrdersQueryBody(pageNumber, program.state.sellerNumId));
        if (answer.empty()) {
            c.loginBrowser.raise();
            c.loginBrowser.navigate("https://" + program.hosts.tradeHost +
                                    "/trade/itemlist/list_sold_items.htm");
            return;
        }
        c.loginBrowser.lower();

        const auto page = readSoldOrdersPage(answer);
        if (!page) {
            return;
        }
        for (const SoldOrderRow& row : page->rows) {
            if (row.status == gbk::otherSideRatedStatus) {
                if (c.ratedList.findRow(row.orderId) < 0) {
                    const int at = c.ratedList.insertRow(0, row.orderId);
                    c.ratedList.setCellText(at, 1, row.buyerName);
                    c.ratedList.setCellText(at, 2, gbk::buyerRatedText);
                }
            } else if (c.pendingList.findRow(row.orderId) < 0) {
                const int at = c.pendingList.insertRow(0, row.orderId);
                c.pendingList.setCellText(at, 1, row.buyerName);
            }
        }
        const int rowCount = static_cast<int>(page->rows.size());
        const int currentPage = page->currentPage;

        // A page that names itself at or before the page asked for would send
        // the chain round for ever; it counts as the last page.
        if (rowCount == soldOrdersPageSize && currentPage >= pageNumber &&
            currentPage < std::numeric_limits<int>::max()) {
            pageNumber = currentPage + 1;
            continue;
        }
        if (rowCount <= soldOrdersPageSize) {
            lookUpDeadlines(program);
        } else {
            c.refreshTimer.setInterval(600000);
            c.autoRateTimer.setInterval(60000);
        }
        return;
    }
}

}  // namespace tesmira
