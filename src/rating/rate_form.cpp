#include "rating/rate_form.h"

#include "rating/encode_form_value.h"
#include "rating/rate_form_patterns.h"
#include "text/pattern.h"

namespace tesmira {

std::optional<RateForm> readRateForm(std::string_view page) {
    static const Pattern headPattern(rateFormHeadPattern);
    static const Pattern itemPattern(rateFormItemPattern);
    const auto head = headPattern.findFirst(page);
    if (!head) {
        return std::nullopt;
    }
    RateForm form{head->group(1), head->group(2),  head->group(3),  head->group(4),
                  head->group(5), head->group(6),  head->group(7),  head->group(8),
                  head->group(9), head->group(10), head->group(11), {}};
    for (const PatternMatch& item : itemPattern.findAll(page)) {
        form.items.push_back({item.group(1), item.group(2), item.group(3), item.group(4),
                              item.group(5), item.group(6), item.group(7), item.group(8),
                              item.group(9), item.group(10), item.group(11)});
    }
    return form;
}

std::string ratingBody(const RateForm& form, std::string_view rateContent,
                       std::string_view rateValue) {
    std::string body = "_tb_token_=" + form.tbToken + "&parentTradeId=" + form.parentTradeId +
                       "&raterType=" + form.raterType + "&raterUid=" + form.raterUid +
                       "&ratedUid=" + form.ratedUid + "&bizType=" + form.bizType +
                       "&needRateNum=" + form.needRateNum + "&buyerNick=" + form.buyerNick +
                       "&sellerNick=" + form.sellerNick +
                       "&event_submit_do_create_rate=" + form.eventSubmitDoCreateRate +
                       "&action=" + form.action + "&good-all=on&";
    const std::string content = encodeFormValue(rateContent);
    for (std::size_t i = 0; i < form.items.size(); ++i) {
        const RateFormItem& item = form.items[i];
        const std::string& b = item.bizOrderIds;
        body += "bizOrderIds=" + b + "&auctionId" + b + "=" + item.auctionId;
        body += "&auctionPictUrl" + b + "=" + item.auctionPictUrl;
        body += "&auctionSku" + b + "=" + encodeFormValue(item.auctionSku);
        body += "&prompt" + b + "=" + encodeFormValue(item.prompt);
        body += "&leafCatId" + b + "=" + item.leafCatId + "&rootCatId" + b + "=" + item.rootCatId;
        body += "&auctionTitle" + b + "=" + encodeFormValue(item.auctionTitle);
        body += "&hiddenGoodNormalBad" + b + "=" + item.hiddenGoodNormalBad;
        body += "&isTaoModouOrder" + b + "=" + item.isTaoModouOrder;
        body += "&rates" + b + "=" + std::string(rateValue) + "&rateContents" + b + "=" + content;
        if (i + 1 < form.items.size()) {
            body += "&";
        }
    }
    return body;
}

}  // namespace tesmira
