#pragma once
// The marketplace's rating form of one order, and the body posted from it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesmira {

struct RateFormItem {
    std::string bizOrderIds, auctionId, auctionPictUrl, auctionSku, prompt, leafCatId, rootCatId,
        auctionTitle, hiddenGoodNormalBad, isTaoModouOrder, rates;
};

struct RateForm {
    std::string tbToken, parentTradeId, raterType, raterUid, ratedUid, bizType, needRateNum,
        buyerNick, sellerNick, eventSubmitDoCreateRate, action;
    std::vector<RateFormItem> items;
};

// The form of a rating page; none when the page lacks the head fields.
std::optional<RateForm> readRateForm(std::string_view page);

// The head part with the values as found, then one part per item with the
// caller's rating value and text in every item; the item texts and the
// rating text percent-encoded.
std::string ratingBody(const RateForm& form, std::string_view rateContent,
                       std::string_view rateValue);

}  // namespace tesmira
