#include "pages.h"

#include <stdexcept>

#include "text/gbk_conversion.h"

namespace marketsim {
namespace {

// Markup, styles and scripts of the kind that surround the data on the real
// pages, repeated up to the wanted size.
std::string shell(std::size_t bytes) {
    static const std::string block =
        "<div class=\"site-nav\"><ul class=\"site-nav-bd\"><li class=\"menu\"><a href=\"//i.market."
        "localhost/my_taobao.htm\" target=\"_top\">" +
        gbk("我的淘宝") + "</a></li><li><a href=\"//cart.market.localhost/cart.htm\">" +
        gbk("购物车") +
        "</a></li></ul></div>\n<style>.trade-list .item{margin:0 4px;padding:6px 8px;border:1px "
        "solid #e8e8e8;font:12px/1.5 tahoma,arial}</style>\n<script>var g_config={appId:3,"
        "assetsHost:'//g.market.localhost',toolbar:false,webww:true};</script>\n";
    std::string out;
    while (out.size() < bytes) {
        out += block;
    }
    out.resize(bytes);
    return out;
}

std::string itemDetails(const std::string& orderId, int index) {
    const std::string id = orderId + std::to_string(index);
    return "{\"id\":\"" + id + "\",\"itemInfo\":{\"title\":\"" +
           gbk("夏季新款纯棉短袖T恤男士宽松半袖上衣潮流百搭") +
           "\",\"pic\":\"//img.market.localhost/bao/uploaded/i4/" + id +
           "_sum.jpg\",\"skuText\":[{\"name\":\"" + gbk("颜色分类") + "\",\"value\":\"" +
           gbk("白色") + "\"},{\"name\":\"" + gbk("尺码") +
           "\",\"value\":\"XL\"}],\"serviceIcons\":[{\"linkTitle\":\"" + gbk("七天无理由退换") +
           "\",\"type\":3,\"url\":\"//www.market.localhost/go/act/7days.php\"}],"
           "\"snapUrl\":\"//trade.market.localhost/trade/detail/tradeSnap.htm?tradeID=" +
           id +
           "\"},\"priceInfo\":{\"original\":\"99.00\",\"realTotal\":\"59.00\"},\"quantity\":"
           "\"1\",\"operations\":[{\"style\":\"t0\",\"text\":\"" +
           gbk("退运保险") + "\",\"type\":\"operation\"}]}";
}

std::string orderFragment(const SoldOrderRow& row, int itemsPerOrder) {
    std::string items;
    for (int i = 0; i < itemsPerOrder; ++i) {
        items += (i ? "," : "") + itemDetails(row.orderId, i);
    }
    return "{\"id\":\"" + row.orderId +
           "\",\"orderInfo\":{\"createTime\":\"2026-11-20 10:11:12\","
           "\"id\":\"" +
           row.orderId + "\"},\"buyer\":{\"nick\":\"" + row.buyerNick +
           "\",\"operations\":[{\"url\":\"//amos.im.market.localhost/msg.aw?v=2&uid=" +
           row.buyerNick + "&site=cntaobao&s=2&charset=gbk\",\"text\":\"" + gbk("和我联系") +
           "\",\"dataUrl\":\"//trade.market.localhost/trade/json/wangwang.do?userID=" +
           row.buyerNick + "&fromSite=0&orderid=" + row.orderId + "\"}]},\"subOrders\":[" + items +
           "],\"statusInfo\":{\"text\":\"" + gbk("交易成功") +
           "\",\"url\":\"//trade.market.localhost/trade/detail/trade_item_detail.htm?bizOrderId=" +
           row.orderId + "\"},\"operations\":[{\"style\":\"t16\",\"text\":\"" + row.statusText +
           "\",\"url\":\"//rate.market.localhost/remarkBuyer.jhtml?tradeID=" + row.orderId +
           "\"}]}";
}

std::string hidden(const std::string& name, const std::string& value) {
    return "<input name=\"" + name + "\" value=\"" + value + "\" type=\"hidden\"/>\n";
}

}  // namespace

std::string gbk(const std::string& utf8) {
    auto converted = tesmira::gbkFromUtf8(utf8);
    if (!converted) {
        throw std::invalid_argument("no GBK form for a page text");
    }
    return *converted;
}

std::string soldOrdersAnswer(const std::vector<SoldOrderRow>& rows, int currentPage,
                             int itemsPerOrder, std::size_t shellBytes) {
    std::string orders;
    for (const SoldOrderRow& row : rows) {
        orders += (orders.empty() ? "" : ",") + orderFragment(row, itemsPerOrder);
    }
    const std::string head = shell(shellBytes / 2);
    return "<!DOCTYPE html><html><head><meta charset=\"gbk\"><title>" + gbk("已卖出的宝贝") +
           "</title></head><body>\n" + head +
           "<script>\nvar data = JSON.parse('{}');\nwindow.data = {\"mainOrders\":[" + orders +
           "],\"page\":{" +
           (currentPage >= 0 ? "\"currentPage\":" + std::to_string(currentPage) + ","
                             : std::string()) +
           "\"pageSize\":15,\"prefetchCount\":0},\"query\":{\"commentStatus\":"
           "\"I_HAS_NOT_COMMENT\"}};\n</script>\n" +
           shell(shellBytes - head.size()) + "</body></html>";
}

RateFormFields sampleRateForm(const std::string& orderId, int itemCount) {
    RateFormFields form{
        .tbToken = "e3b5f7a1d9c2",
        .parentTradeId = orderId,
        .raterType = "1",
        .raterUid = "2208812345",
        .ratedUid = "3301198765",
        .bizType = "200",
        .needRateNum = std::to_string(itemCount),
        .buyerNick = gbk("快乐的小猫咪"),
        .sellerNick = gbk("星光小店"),
        .eventSubmitDoCreateRate = "1",
        .action = "rate/RateAction",
        .items = {},
    };
    for (int i = 0; i < itemCount; ++i) {
        const std::string subOrder =
            orderId.substr(0, orderId.size() > 2 ? orderId.size() - 2 : 0) + std::to_string(10 + i);
        form.items.push_back(RateFormItemFields{
            .bizOrderId = subOrder,
            .auctionId = std::to_string(600000000 + i),
            .auctionPictUrl = "//img.market.localhost/bao/uploaded/i" + std::to_string(i) + ".jpg",
            .auctionSku = gbk("颜色分类:白色;尺码:XL"),
            .prompt = i % 2 ? gbk("请对宝贝做出评价") : "",
            .leafCatId = "50000436",
            .rootCatId = "30",
            .auctionTitle = gbk("夏季新款纯棉短袖T恤 男士宽松&半袖"),
            .hiddenGoodNormalBad = "",
            .isTaoModouOrder = "false",
            .rates = "0",
        });
    }
    return form;
}

std::string rateFormPage(const RateFormFields& form, std::size_t shellBytes) {
    std::string page = "<!DOCTYPE html><html><head><meta charset=\"gbk\"><title>" +
                       gbk("评价买家") + "</title></head><body>\n" + shell(shellBytes / 2) +
                       "<form id=\"J_RateForm\" method=\"post\" action=\"/remarkBuyer.jhtml\">\n"
                       "<input name='_tb_token_' type='hidden' value='" +
                       form.tbToken + "'>\n" + hidden("parentTradeId", form.parentTradeId) +
                       hidden("raterType", form.raterType) + hidden("raterUid", form.raterUid) +
                       hidden("ratedUid", form.ratedUid) + hidden("bizType", form.bizType) +
                       hidden("needRateNum", form.needRateNum) +
                       hidden("buyerNick", form.buyerNick) + hidden("sellerNick", form.sellerNick) +
                       hidden("event_submit_do_create_rate", form.eventSubmitDoCreateRate) +
                       hidden("action", form.action);
    for (const RateFormItemFields& item : form.items) {
        const std::string& b = item.bizOrderId;
        page += "<div class=\"rate-item\">\n" + hidden("bizOrderIds", b) +
                "<div class=\"item-pic\"><img src=\"" + item.auctionPictUrl + "\"/></div>\n" +
                hidden("auctionId" + b, item.auctionId) +
                hidden("auctionPictUrl" + b, item.auctionPictUrl) +
                hidden("auctionSku" + b, item.auctionSku) + hidden("prompt" + b, item.prompt) +
                hidden("leafCatId" + b, item.leafCatId) + hidden("rootCatId" + b, item.rootCatId) +
                "<div class=\"item-title\">" + item.auctionTitle + "</div>\n" +
                hidden("auctionTitle" + b, item.auctionTitle) +
                hidden("hiddenGoodNormalBad" + b, item.hiddenGoodNormalBad) +
                hidden("isTaoModouOrder" + b, item.isTaoModouOrder) +
                "<ul class=\"rate-choice\"><li><label><input type=\"radio\" name=\"rates" + b +
                "\" value=\"" + item.rates + "\"/>" + gbk("好评") + "</label></li></ul>\n" +
                "<textarea name=\"rateContents" + b + "\"></textarea>\n</div>\n";
    }
    page += "<button type=\"submit\">" + gbk("发表评论") + "</button>\n</form>\n" +
            shell(shellBytes - shellBytes / 2) + "</body></html>";
    return page;
}

}  // namespace marketsim
