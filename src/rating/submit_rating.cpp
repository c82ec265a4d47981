#include "rating/submit_rating.h"

#include "rating/encode_form_value.h"
#include "rating/rate_form.h"
#include "session/request_headers.h"
#include "session/response_text.h"
#include "text/gbk_texts.h"

namespace tesmira {

bool submitRating(Program& program, std::string_view orderId, std::string_view rateContent,
                  std::string_view rateValue) {
    const std::string rateAddress =
        "https://" + program.hosts.rateHost + "/remarkBuyer.jhtml?tradeID=";
    // An order number from a page goes into the address encoded, so it cannot
    // bring parameters of its own; digits pass unchanged.
    const std::string page = responseText(httpExchange(program.state.httpRequest.get(), "get",
                                                       rateAddress + encodeFormValue(orderId)));
    const auto form = readRateForm(page);
    if (!form) {
        return false;
    }
    const std::string body = ratingBody(*form, rateContent, rateValue);
    const std::string answer = responseText(httpExchange(
        program.state.httpRequest.get(), "POST", rateAddress + encodeFormValue(form->parentTradeId),
        ratingPostHeaders(program.hosts.rateHost, body.size()), body));
    return answer.find(gbk::rateSuccessText) != std::string::npos;
}

}  // namespace tesmira
