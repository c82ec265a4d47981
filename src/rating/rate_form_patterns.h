#pragma once
// The marketplace's rating form: eleven hidden head fields (the token with
// single quotes, the rest with double quotes) and one block of hidden fields
// per rated item, each item field name carrying a suffix of its own.

#include <string_view>

namespace tesmira {

inline constexpr std::string_view rateFormHeadPattern =
    R"~(name='_tb_token_' type='hidden' value='(.*?)'.*?name="parentTradeId" value="(.*?)".*?)~"
    R"~(name="raterType" value="(.*?)".*?name="raterUid" value="(.*?)".*?)~"
    R"~(name="ratedUid" value="(.*?)".*?name="bizType" value="(.*?)".*?)~"
    R"~(name="needRateNum" value="(.*?)".*?name="buyerNick" value="(.*?)".*?)~"
    R"~(name="sellerNick" value="(.*?)".*?name="event_submit_do_create_rate" value="(.*?)".*?)~"
    R"~(name="action" value="(.*?)")~";

inline constexpr std::string_view rateFormItemPattern =
    R"~(name="bizOrderIds" value="(.*?)".*?name="auctionId.*?" value="(.*?)".*?)~"
    R"~(name="auctionPictUrl.*?" value="(.*?)".*?name="auctionSku.*?" value="(.*?)".*?)~"
    R"~(name="prompt.*?" value="(.*?)".*?name="leafCatId.*?" value="(.*?)".*?)~"
    R"~(name="rootCatId.*?" value="(.*?)".*?name="auctionTitle.*?" value="(.*?)".*?)~"
    R"~(name="hiddenGoodNormalBad.*?" value="(.*?)".*?)~"
    R"~(name="isTaoModouOrder.*?" value="(.*?)".*?name="rates.*?" value="(.*?)")~";

}  // namespace tesmira
