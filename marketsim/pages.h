#pragma once
// The simulated marketplace's pages, built as the real site serves them: GBK
// bytes, the fragments the program reads embedded in the bulk of a real page.
// The simulator serves them; tests, benchmarks and fuzz seeds use them as
// fixtures.

#include <cstddef>
#include <string>
#include <vector>

namespace marketsim {

// Chinese texts of the pages are written here in UTF-8 and served in GBK.
std::string gbk(const std::string& utf8);

struct SoldOrderRow {
    std::string orderId;
    std::string buyerNick;   // GBK
    std::string statusText;  // GBK; "对方已评" once the buyer has rated
};

// The answer to the sold-orders query: an HTML page whose "window.data" script
// holds one order fragment per row and the current page number. Item details
// stand between each order's buyer link and its rating status, as on the real
// page; `itemsPerOrder` sets their bulk, `shellBytes` the page around the data.
// A negative `currentPage` leaves the page number out.
std::string soldOrdersAnswer(const std::vector<SoldOrderRow>& rows, int currentPage,
                             int itemsPerOrder = 1, std::size_t shellBytes = 2000);

struct RateFormItemFields {
    std::string bizOrderId;
    std::string auctionId;
    std::string auctionPictUrl;
    std::string auctionSku;  // GBK
    std::string prompt;      // GBK
    std::string leafCatId;
    std::string rootCatId;
    std::string auctionTitle;  // GBK
    std::string hiddenGoodNormalBad;
    std::string isTaoModouOrder;
    std::string rates;
};

struct RateFormFields {
    std::string tbToken;
    std::string parentTradeId;
    std::string raterType;
    std::string raterUid;
    std::string ratedUid;
    std::string bizType;
    std::string needRateNum;
    std::string buyerNick;   // GBK
    std::string sellerNick;  // GBK
    std::string eventSubmitDoCreateRate;
    std::string action;
    std::vector<RateFormItemFields> items;
};

// A plausible rating form for an order with `itemCount` items.
RateFormFields sampleRateForm(const std::string& orderId, int itemCount);

// The rating form page: the hidden head fields, then one block per item with
// its hidden fields among the item's visible details; `shellBytes` sets the
// bulk of the page around them.
std::string rateFormPage(const RateFormFields& form, std::size_t shellBytes = 2000);

}  // namespace marketsim
