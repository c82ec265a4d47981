#include "scenario.h"

#include "pages.h"

namespace marketsim {

std::string defaultAccountName() {
    return gbk("星光小店");
}

Scenario::Scenario() : now([] { return tesmira::systemClock().now(); }) {}

std::vector<SeedOrder> Scenario::sampleOrders(int count, double newestDaysAgo,
                                              double spacingHours) {
    static const char* const nicks[] = {"快乐的小猫咪", "张三丰", "淘气包", "春风十里",
                                        "lucky_buyer"};
    std::vector<SeedOrder> orders;
    for (int i = 0; i < count; ++i) {
        SeedOrder order;
        order.orderId = std::to_string(3100000000000000LL + 1000 * (i + 1));
        order.buyerNick = gbk(nicks[i % 5]) + std::to_string(i + 1);
        order.buyerRated = i % 3 == 2;
        order.dealSecondsAgo =
            static_cast<std::int64_t>(newestDaysAgo * 86400 + i * spacingHours * 3600);
        order.items = 1 + i % 3;
        order.dealTimeAsDataField = i % 2 == 0;
        orders.push_back(order);
    }
    return orders;
}

Endpoint endpointOf(const std::string& method, const std::string& hostName,
                    const std::string& path) {
    const std::string role = hostName.substr(0, hostName.find('.'));
    const bool post = method == "POST";
    if (role == "i" && path == "/my_taobao.htm")
        return Endpoint::homePage;
    if (role == "login" && path == "/member/login.jhtml") {
        return post ? Endpoint::loginPost : Endpoint::loginPage;
    }
    if (role == "trade" && path == "/trade/itemlist/list_sold_items.htm") {
        return post ? Endpoint::soldOrdersQuery : Endpoint::soldItemsPage;
    }
    if (role == "trade" && path == "/trade/detail/trade_item_detail.htm")
        return Endpoint::tradeDetailPage;
    if (role == "tradearchive" && path == "/trade/detail/trade_item_detail.htm") {
        return Endpoint::archivedTradePage;
    }
    if (role == "buyertrade" && path == "/trade/detail/trade_order_detail.htm")
        return Endpoint::orderDetail;
    if (role == "rate" && path == "/remarkBuyer.jhtml")
        return post ? Endpoint::ratePost : Endpoint::rateForm;
    if (role == "rate" && path == "/myRate.htm")
        return Endpoint::ratingsPage;
    if (role == "rate" && path == "/RateDetailSeller.htm")
        return Endpoint::rateDetailPage;
    if (role == "wwc" && path == "/avatar/getAvatar.do")
        return Endpoint::avatar;
    if (role == "sec" && path == "/query.htm") {
        return post ? Endpoint::verificationPost : Endpoint::verificationPage;
    }
    if (role == "err" && path == "/error2.html")
        return Endpoint::errorPage;
    return Endpoint::other;
}

bool isDataEndpoint(Endpoint endpoint) {
    return endpoint == Endpoint::soldOrdersQuery || endpoint == Endpoint::orderDetail;
}

}  // namespace marketsim
