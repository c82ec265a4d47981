#include "site_pages.h"

#include <chrono>
#include <cstdio>

#include "pages.h"

namespace marketsim {
namespace {

std::string page(const std::string& titleUtf8, const std::string& bodyGbk) {
    return "<!DOCTYPE html>\n<html><head><meta charset=\"gbk\"><title>" + gbk(titleUtf8) +
           "</title><style>body{font:14px/1.6 sans-serif;margin:0;padding:180px 0 0;"
           "color:#3c3c3c;background:#f5f5f5}"
           ".sheet{width:440px;margin:0 auto;padding:16px 24px;background:#fff;"
           "border:1px solid #ddd}"
           "form{margin:16px 0}input{margin:4px 0;padding:4px}</style></head><body>\n"
           // The program's panes show a page with its top and left edges cut
           // off, as the marketplace's pages are laid out for: the content
           // sits in the middle, well below the top.
           "<div class=\"sheet\">\n" +
           bodyGbk + "\n</div>\n</body></html>\n";
}

}  // namespace

std::string timeText(tesmira::LocalTime time) {
    using namespace std::chrono;
    const auto seconds = time.secondsSinceEpoch;
    const auto days = static_cast<int>(seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400);
    const year_month_day date{sys_days{std::chrono::days{days}}};
    const auto inDay = seconds - static_cast<std::int64_t>(days) * 86400;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(inDay / 3600), static_cast<int>(inDay / 60 % 60),
                  static_cast<int>(inDay % 60));
    return text;
}

std::string homePage(const Account& account, const std::string& avatarHost) {
    return page("我的淘宝",
                "<div class=\"mt-head\"><div class=\"s-avatar\"><a href=\"/my_taobao.htm\">"
                "<span class=\"s-edit\">" +
                    gbk("编辑资料") +
                    "</span></a>\n"
                    "<img class=\"s-head\" src=\"//" +
                    avatarHost + "/avatar/getAvatar.do?userId=" + account.numericId +
                    "&width=80&height=80&type=sns\">\n</div>\n"
                    "<input type=\"hidden\" id=\"J_Nick\" value=\"" +
                    account.accountName +
                    "\">\n"
                    "<input type=\"hidden\" id=\"J_UserId\" value=\"" +
                    account.numericId +
                    "\">\n"
                    "<h2>" +
                    account.accountName + "</h2><p>" + gbk("欢迎回来！") + "</p></div>");
}

std::string loginPage(const Account& account, const std::string& redirect, bool failed) {
    return page("淘宝网 - 登录",
                "<div id=\"J_QRCodeLogin\"><p>" + gbk("手机扫码，安全登录") +
                    "</p>"
                    "<a id=\"J_Quick2Static\" href=\"javascript:void(0)\" onclick=\""
                    "document.getElementById('J_QRCodeLogin').style.display='none';"
                    "document.getElementById('J_StaticForm').style.display='block';\">" +
                    gbk("密码登录") +
                    "</a></div>\n"
                    "<form id=\"J_StaticForm\" style=\"display:none\" method=\"post\" "
                    "action=\"/member/login.jhtml\">\n" +
                    (failed ? "<p class=\"error\">" + gbk("账户名或密码不正确") + "</p>\n" : "") +
                    "<input type=\"hidden\" name=\"redirectURL\" value=\"" + redirect +
                    "\">\n"
                    "<label>" +
                    gbk("账户名") +
                    " <input id=\"TPL_username_1\" name=\"TPL_username\"></label><br>\n"
                    "<label>" +
                    gbk("密码") +
                    " <input id=\"TPL_password_1\" name=\"TPL_password\" "
                    "type=\"password\"></label><br>\n"
                    "<button id=\"J_SubmitStatic\" type=\"submit\">" +
                    gbk("登录") +
                    "</button>\n"
                    "<p class=\"demo\">" +
                    gbk("演示账户：") + account.loginName + " / " + account.password +
                    "</p>\n</form>");
}

std::string verificationPage(const std::string& code, bool failed) {
    return page("安全验证",
                "<form id=\"J_CheckForm\" method=\"post\" action=\"/query.htm\">\n<p>" +
                    gbk("为了您的账户安全，请输入验证码：") + "<b id=\"J_Code\">" + code +
                    "</b></p>\n" +
                    (failed ? "<p class=\"error\">" + gbk("验证码错误") + "</p>\n" : "") +
                    "<input id=\"J_CheckCode\" name=\"checkCode\">\n"
                    "<button id=\"J_CheckSubmit\" type=\"submit\">" +
                    gbk("确定") + "</button>\n</form>");
}

std::string tradePage(const std::string& title) {
    return page(title, "<div id=\"J_TradeList\">" + gbk(title) + "</div>");
}

std::string orderDetailPage(const SeedOrder& order, const std::string& dealTime) {
    const std::string time =
        order.dealTimeAsDataField
            ? "<script>var detailData = {\"orderInfo\":{\"lines\":[{\"content\":[{\"name\":\"" +
                  gbk("订单编号:") + "\",\"value\":\"" + order.orderId + "\"},{\"name\":\"" +
                  gbk("成交时间:") + "\",\"value\":\"" + dealTime + "\"}]}]}};</script>"
            : "<div class=\"trade-status\">" + gbk("确认收货时间：") +
                  "<span class=\"confirm-time\">" + dealTime + "</span></div>";
    return page("交易详情", "<div id=\"detail-panel\"><h3>" + gbk("订单详情") + " " +
                                order.orderId + "</h3>\n" + time + "\n<p>" + gbk("买家：") +
                                order.buyerNick + "</p></div>");
}

std::string rateAnswerPage(bool success) {
    return success
               ? page("评价成功", "<div class=\"msg\">" + gbk("评价成功 - 淘！我喜欢") + "</div>")
               : page("评价失败",
                      "<div class=\"msg error\">" + gbk("评价失败，请重新评价") + "</div>");
}

std::string noRateFormPage(const std::string& orderId) {
    return page("评价", "<div class=\"msg\">" + gbk("该订单无需评价：") + orderId + "</div>");
}

std::string ratingsPage(const Account& account) {
    return page("评价管理", "<h2>" + account.accountName + "</h2><div id=\"J_RateList\">" +
                                gbk("来自买家的评价") + "</div>");
}

std::string rateDetailPage(const std::string& orderId) {
    return page("评价详情", "<div id=\"J_RateDetail\">" + gbk("订单") + " " + orderId + "</div>");
}

std::string errorPage() {
    return page("出错了", "<p>" + gbk("系统繁忙，请稍后再试。") + "</p>");
}

std::string serverErrorPage() {
    return page("服务器错误", "<h1>500</h1><p>" + gbk("服务器内部错误") + "</p>");
}

}  // namespace marketsim
