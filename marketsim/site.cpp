#include "site.h"

#include <httplib.h>
#include <zlib.h>

#include <algorithm>

#include "png.h"
#include "request_log.h"
#include "site_pages.h"

namespace marketsim {
namespace {

constexpr std::size_t pageSize = 15;

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string percentDecoded(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() + 0 && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string percentEncoded(const std::string& text) {
    static const char* const hex = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '-' || c == '.' || c == '_') {
            out += c;
        } else {
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 15];
        }
    }
    return out;
}

// The fields of a form body in order, values as sent (not decoded).
std::vector<std::pair<std::string, std::string>> formFields(const std::string& body) {
    std::vector<std::pair<std::string, std::string>> fields;
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t end = body.find('&', start);
        if (end == std::string::npos)
            end = body.size();
        const std::string field = body.substr(start, end - start);
        const std::size_t equals = field.find('=');
        fields.emplace_back(field.substr(0, equals),
                            equals == std::string::npos ? "" : field.substr(equals + 1));
        start = end + 1;
    }
    return fields;
}

std::string formValue(const std::string& body, const std::string& key) {
    for (const auto& [name, value] : formFields(body)) {
        if (name == key)
            return percentDecoded(value);
    }
    return {};
}

std::string compressed(const std::string& bytes, bool gzip) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, gzip ? 15 + 16 : 15, 8,
                     Z_DEFAULT_STRATEGY) != Z_OK) {
        return bytes;
    }
    std::string out(deflateBound(&stream, bytes.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

std::string cookieOf(const httplib::Request& request, const std::string& name) {
    for (const auto& [key, value] : cookieEntriesOf(request.get_header_value("Cookie"))) {
        if (key == name)
            return value;
    }
    return {};
}

std::string hostNameOf(const httplib::Request& request) {
    const std::string host = request.get_header_value("Host");
    return host.substr(0, host.find(':'));
}

// Text that pads a page to a size: paragraphs of Chinese text, well formed.
std::string filler(std::size_t bytes) {
    static const std::string paragraph =
        "<p>" + gbk("店铺公告：本店商品均为正品，欢迎选购。") + "</p>\n";
    std::string text;
    text.reserve(bytes + paragraph.size());
    while (text.size() < bytes)
        text += paragraph;
    return text;
}

}  // namespace

Site::Site(Scenario scenario, tesmira::MarketplaceHosts hosts)
    : scenario_(std::move(scenario)), hosts_(std::move(hosts)) {}

void Site::configure(const std::function<void(Scenario&)>& change) {
    std::lock_guard lock(mutex_);
    change(scenario_);
}

std::vector<PostedRating> Site::ratings() const {
    std::lock_guard lock(mutex_);
    return ratings_;
}

void Site::expireSessions() {
    std::lock_guard lock(mutex_);
    sessions_.clear();
}

bool Site::verificationPending() const {
    std::lock_guard lock(mutex_);
    return verificationPending_;
}

double Site::stallSeconds() const {
    std::lock_guard lock(mutex_);
    return scenario_.stallSeconds;
}

std::optional<FaultKind> Site::inspect(const std::string& method, const std::string& hostName,
                                       const std::string& path) {
    std::lock_guard lock(mutex_);
    const Endpoint endpoint = endpointOf(method, hostName, path);
    const int ordinal = ++requestCounts_[endpoint];
    if (isDataEndpoint(endpoint) && ++dataRequests_ == scenario_.verificationOnRequest) {
        verificationPending_ = true;
    }
    for (const FaultRule& rule : scenario_.faults) {
        if (rule.endpoint == endpoint && (rule.onRequest == 0 || rule.onRequest == ordinal)) {
            return rule.kind;
        }
    }
    return std::nullopt;
}

void Site::reply(httplib::Response& response, const std::string& body, const std::string& type,
                 int status) const {
    response.status = status;
    std::string bytes = body;
    if (!scenario_.compression.empty() && !bytes.empty()) {
        bytes = compressed(bytes, scenario_.compression == "gzip");
        response.set_header("Content-Encoding", scenario_.compression);
    }
    if (bytes.empty()) {
        response.set_content("", type);
        return;
    }
    // A content provider keeps cpp-httplib from compressing on its own.
    auto shared = std::make_shared<std::string>(std::move(bytes));
    response.set_content_provider(shared->size(), type,
                                  [shared](size_t offset, size_t length, httplib::DataSink& sink) {
                                      return sink.write(shared->data() + offset, length);
                                  });
}

void Site::redirect(httplib::Response& response, const std::string& address) const {
    response.status = 302;
    response.set_header("Location", address);
    reply(response, "", "text/html; charset=GBK", 302);
}

bool Site::hasSession(const httplib::Request& request) const {
    return sessions_.count(cookieOf(request, "_tb_sess")) > 0 &&
           !cookieOf(request, "tracknick").empty();
}

std::vector<const SeedOrder*> Site::unratedOrders() const {
    std::vector<const SeedOrder*> orders;
    for (const SeedOrder& order : scenario_.orders) {
        if (!ratedBySeller_.count(order.orderId))
            orders.push_back(&order);
    }
    // Newest deal first, as the marketplace lists them.
    std::stable_sort(orders.begin(), orders.end(), [](const SeedOrder* a, const SeedOrder* b) {
        return a->dealSecondsAgo < b->dealSecondsAgo;
    });
    return orders;
}

const SeedOrder* Site::findOrder(const std::string& orderId) const {
    for (const SeedOrder& order : scenario_.orders) {
        if (order.orderId == orderId)
            return &order;
    }
    return nullptr;
}

void Site::handle(const httplib::Request& request, httplib::Response& response) {
    std::lock_guard lock(mutex_);
    const std::string fault = request.get_header_value("X-Marketsim-Fault");
    if (fault == "empty") {
        return reply(response, "");
    }
    if (fault == "error") {
        return reply(response, serverErrorPage(), "text/html; charset=GBK", 500);
    }
    const Endpoint endpoint = endpointOf(request.method, hostNameOf(request), request.path);
    const std::string scheme = request.get_header_value("X-Marketsim-Scheme");
    const std::string here = scheme + "://" + request.get_header_value("Host") + request.target;

    switch (endpoint) {
        case Endpoint::errorPage:
            return reply(response, errorPage());
        case Endpoint::avatar:
            return reply(response, scenario_.avatarBytes.value_or(avatarPng(80)), "image/png");
        case Endpoint::loginPage:
            return reply(response, loginPage(scenario_.account,
                                             request.get_param_value("redirectURL"), false));
        case Endpoint::loginPost:
            return login(request, response);
        case Endpoint::verificationPage:
            return reply(response, verificationPage(scenario_.verificationCode, false));
        case Endpoint::verificationPost:
            return verify(request, response);
        case Endpoint::other:
            return reply(response, errorPage(), "text/html; charset=GBK", 404);
        default:
            break;
    }
    if (!hasSession(request)) {
        return redirect(response, "https://" + hosts_.loginHost +
                                      "/member/login.jhtml?redirectURL=" + percentEncoded(here));
    }
    const bool browserTradePage = endpoint == Endpoint::soldItemsPage ||
                                  endpoint == Endpoint::tradeDetailPage ||
                                  endpoint == Endpoint::archivedTradePage;
    if (verificationPending_ && browserTradePage) {
        return redirect(response, "https://" + hosts_.securityHost + "/query.htm");
    }
    if (verificationPending_ && isDataEndpoint(endpoint)) {
        return reply(response, "");
    }
    switch (endpoint) {
        case Endpoint::homePage:
            return reply(response, homePage(scenario_.account, hosts_.avatarHost) +
                                       filler(scenario_.homePagePadding));
        case Endpoint::soldOrdersQuery:
            return soldOrders(request, response);
        case Endpoint::soldItemsPage:
            return reply(response, tradePage("已卖出的宝贝"));
        case Endpoint::tradeDetailPage:
            return reply(response, tradePage("交易详情"));
        case Endpoint::archivedTradePage:
            return reply(response, tradePage("历史交易详情"));
        case Endpoint::orderDetail:
            return orderDetail(request, response);
        case Endpoint::rateForm:
            return rateForm(request, response);
        case Endpoint::ratePost:
            return ratePost(request, response, fault == "refuse");
        case Endpoint::ratingsPage:
            return reply(response, ratingsPage(scenario_.account));
        case Endpoint::rateDetailPage:
            return reply(response, rateDetailPage(request.get_param_value("parentTradeId")));
        default:
            return reply(response, errorPage(), "text/html; charset=GBK", 404);
    }
}

void Site::login(const httplib::Request& request, httplib::Response& response) {
    const Account& account = scenario_.account;
    const std::string redirectTo = formValue(request.body, "redirectURL");
    if (formValue(request.body, "TPL_username") != account.loginName ||
        formValue(request.body, "TPL_password") != account.password) {
        return reply(response, loginPage(account, redirectTo, true));
    }
    const std::string token = "s" + std::to_string(++nextSession_) + "x" + account.numericId;
    sessions_.insert(token);
    const std::string domain = "; Domain=" + hosts_.cookieDomain + "; Path=/";
    response.set_header("Set-Cookie", "_tb_sess=" + token + domain + "; Secure; HttpOnly");
    response.set_header("Set-Cookie", "tracknick=" + percentEncoded(account.accountName) + domain);
    response.set_header("Set-Cookie", "lgc=" + account.loginName + "; Path=/");
    // The marketplace returns the seller to the page that asked for the login;
    // a trade detail page without an order to show becomes the sold-items list.
    std::string target = redirectTo.rfind("https://", 0) == 0
                             ? redirectTo
                             : "https://" + hosts_.homeHost + "/my_taobao.htm";
    if (target == "https://" + hosts_.tradeHost + "/trade/detail/trade_item_detail.htm") {
        target = "https://" + hosts_.tradeHost + "/trade/itemlist/list_sold_items.htm";
    }
    redirect(response, target);
}

void Site::soldOrders(const httplib::Request& request, httplib::Response& response) {
    const int pageNumber = std::max(1, std::atoi(formValue(request.body, "pageNum").c_str()));
    if (scenario_.soldOrdersAnswer) {
        return reply(response, scenario_.soldOrdersAnswer(pageNumber));
    }
    std::vector<SoldOrderRow> rows;
    if (formValue(request.body, "sellerNumID") == scenario_.account.numericId &&
        formValue(request.body, "commentStatus") == "I_HAS_NOT_COMMENT") {
        const auto orders = unratedOrders();
        for (std::size_t i = (pageNumber - 1) * pageSize;
             i < orders.size() && rows.size() < pageSize; ++i) {
            rows.push_back({orders[i]->orderId, orders[i]->buyerNick,
                            gbk(orders[i]->buyerRated ? "对方已评" : "双方未评")});
        }
    }
    // The marketplace keeps a note of the list's last page in a cookie of its
    // own, as its real list pages do with their tokens.
    response.set_header("Set-Cookie", "lastSoldPage=" + std::to_string(pageNumber) +
                                          "; Domain=" + hosts_.cookieDomain + "; Path=/");
    reply(response, soldOrdersAnswer(rows, pageNumber));
}

void Site::orderDetail(const httplib::Request& request, httplib::Response& response) {
    const SeedOrder* order = findOrder(request.get_param_value("biz_order_id"));
    if (order == nullptr) {
        return reply(response, tradePage("订单不存在"));
    }
    const tesmira::LocalTime deal = order->dealTime.value_or(
        tesmira::LocalTime{scenario_.now().secondsSinceEpoch - order->dealSecondsAgo});
    reply(response, orderDetailPage(*order, timeText(deal)));
}

void Site::rateForm(const httplib::Request& request, httplib::Response& response) {
    const std::string orderId = request.get_param_value("tradeID");
    const SeedOrder* order = findOrder(orderId);
    if (order == nullptr || ratedBySeller_.count(orderId)) {
        return reply(response, noRateFormPage(orderId));
    }
    RateFormFields form = sampleRateForm(orderId, order->items);
    form.buyerNick = order->buyerNick;
    form.sellerNick = scenario_.account.accountName;
    servedForms_[form.parentTradeId] = form;
    reply(response, rateFormPage(form));
}

// The body must be exactly the one the served form calls for: its fields in
// order, the head values as found, the item texts percent-encoded, the same
// rating in every item.
void Site::ratePost(const httplib::Request& request, httplib::Response& response, bool refused) {
    const std::string parentTradeId = request.get_param_value("tradeID");
    const auto served = servedForms_.find(parentTradeId);
    if (refused || served == servedForms_.end()) {
        return reply(response, rateAnswerPage(false));
    }
    const RateFormFields& form = served->second;
    const auto fields = formFields(request.body);
    std::vector<std::pair<std::string, std::string>> expected = {
        {"_tb_token_", form.tbToken},
        {"parentTradeId", form.parentTradeId},
        {"raterType", form.raterType},
        {"raterUid", form.raterUid},
        {"ratedUid", form.ratedUid},
        {"bizType", form.bizType},
        {"needRateNum", form.needRateNum},
        {"buyerNick", form.buyerNick},
        {"sellerNick", form.sellerNick},
        {"event_submit_do_create_rate", form.eventSubmitDoCreateRate},
        {"action", form.action},
        {"good-all", "on"},
    };
    bool valid = fields.size() >= expected.size() &&
                 std::equal(expected.begin(), expected.end(), fields.begin());
    std::size_t at = expected.size();
    std::string rateValue;
    std::string rateContent;
    for (std::size_t i = 0; valid && i < form.items.size(); ++i) {
        const RateFormItemFields& item = form.items[i];
        const std::string& b = item.bizOrderId;
        const std::vector<std::pair<std::string, std::string>> itemFields = {
            {"bizOrderIds", b},
            {"auctionId" + b, item.auctionId},
            {"auctionPictUrl" + b, item.auctionPictUrl},
            {"auctionSku" + b, item.auctionSku},
            {"prompt" + b, item.prompt},
            {"leafCatId" + b, item.leafCatId},
            {"rootCatId" + b, item.rootCatId},
            {"auctionTitle" + b, item.auctionTitle},
            {"hiddenGoodNormalBad" + b, item.hiddenGoodNormalBad},
            {"isTaoModouOrder" + b, item.isTaoModouOrder},
        };
        for (const auto& [key, value] : itemFields) {
            const bool encoded = key.rfind("auctionSku", 0) == 0 || key.rfind("prompt", 0) == 0 ||
                                 key.rfind("auctionTitle", 0) == 0;
            valid = valid && at < fields.size() && fields[at].first == key &&
                    (encoded ? percentDecoded(fields[at].second) : fields[at].second) == value;
            ++at;
        }
        valid = valid && at + 1 < fields.size() && fields[at].first == "rates" + b &&
                fields[at + 1].first == "rateContents" + b;
        if (!valid)
            break;
        const std::string value = fields[at].second;
        const std::string content = percentDecoded(fields[at + 1].second);
        valid = (value == "1" || value == "-1") &&
                (i == 0 || (value == rateValue && content == rateContent));
        rateValue = value;
        rateContent = content;
        at += 2;
    }
    // Without items the head part ends with "&", which leaves one empty field.
    const std::size_t wanted = at + (form.items.empty() ? 1 : 0);
    valid = valid && fields.size() == wanted;
    if (!valid) {
        return reply(response, rateAnswerPage(false));
    }
    ratedBySeller_.insert(form.parentTradeId);
    ratings_.push_back(
        {form.parentTradeId, rateValue, rateContent, static_cast<int>(form.items.size())});
    servedForms_.erase(served);
    reply(response, rateAnswerPage(true));
}

void Site::verify(const httplib::Request& request, httplib::Response& response) {
    if (formValue(request.body, "checkCode") != scenario_.verificationCode) {
        return reply(response, verificationPage(scenario_.verificationCode, true));
    }
    verificationPending_ = false;
    redirect(response,
             "https://" + hosts_.tradeArchiveHost + "/trade/detail/trade_item_detail.htm");
}

}  // namespace marketsim
