#include "session/login_watcher.h"

#include <gtest/gtest.h>

#include "support/gbk_text.h"
#include "support/program_fixture.h"

namespace tesmira {
namespace {

using test::gbk;

enum class Seen { nothing, loggedIn, ended, verification, sessionStarts, loginForm, tradePage };

struct AddressCase {
    const char* name;
    std::string address;
    bool loaded;  // document-loaded; else about-to-navigate
    Seen seen;
};

void PrintTo(const AddressCase& c, std::ostream* out) {
    *out << c.name;
}

class LoginWatcher : public test::ProgramTest, public testing::WithParamInterface<AddressCase> {};

TEST_P(LoginWatcher, TheFirstAddressTestThatPassesDecides) {
    const AddressCase& c = GetParam();
    startOffline();
    pane->visible = false;
    const std::string home = "<span>" + gbk("编辑资料") +
                             "</span><img src=\"//a/b.png\"><input value=\"" + gbk("店主") +
                             "\"><input value=\"123\">";
    if (c.loaded) {
        documentLoaded(*program, c.address, home);
    } else {
        aboutToNavigate(*program, c.address);
    }
    const Seen seen = window.ended                          ? Seen::ended
                      : !program->state.accountName.empty() ? Seen::sessionStarts
                      : statusBar.parts[1] == gbk("帐号登录成功，正在读取数据，请稍候！")
                          ? Seen::loggedIn
                      : statusBar.parts[1] == gbk("请填入验证码！")             ? Seen::verification
                      : statusBar.parts[1] == gbk("启动成功，请登录卖家帐号。") ? Seen::loginForm
                      : statusBar.parts[1] == gbk("数据读取完成！")             ? Seen::tradePage
                                                                                : Seen::nothing;
    EXPECT_EQ(seen, c.seen);
    if (seen == Seen::verification || seen == Seen::loginForm) {
        EXPECT_TRUE(pane->visible && pane->onTop) << "the seller sees the page";
    }
    if (seen == Seen::loggedIn) {
        EXPECT_TRUE(pendingList.visible() && ratedList.visible() && window.captionsVisible);
    }
    if (seen == Seen::loginForm) {
        EXPECT_EQ(pane->scripts,
                  std::vector<std::string>{std::string(switchToPasswordLoginScript)});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, LoginWatcher,
    testing::Values(
        AddressCase{"HomeWithAQuery", "https://i.taobao.com/my_taobao.htm?spm=1", false,
                    Seen::loggedIn},
        AddressCase{"ErrorPage", "http://err.taobao.com/error2.html", false, Seen::ended},
        AddressCase{"ErrorPageOverHttps", "https://err.taobao.com/error2.html", false,
                    Seen::nothing},
        AddressCase{"SomewhereElse", "https://www.taobao.com/", false, Seen::nothing},
        AddressCase{"LoadedHome", "https://i.taobao.com/my_taobao.htm", true, Seen::sessionStarts},
        AddressCase{"LoadedVerification", "https://sec.taobao.com/query.htm?x=1", true,
                    Seen::verification},
        AddressCase{"VerificationBeatsHome",
                    "https://sec.taobao.com/query.htm?from=i.taobao.com/my_taobao.htm", true,
                    Seen::verification},
        AddressCase{"LoadedLogin", "https://login.taobao.com/member/login.jhtml?redirect=1", true,
                    Seen::loginForm},
        AddressCase{"LoadedArchivedTrade",
                    "https://tradearchive.taobao.com/trade/detail/trade_item_detail.htm", true,
                    Seen::tradePage},
        AddressCase{"LoadedSoldItems",
                    "https://trade.taobao.com/trade/itemlist/list_sold_items.htm", true,
                    Seen::tradePage},
        AddressCase{"LoadedTradeDetail",
                    "https://trade.taobao.com/trade/detail/trade_item_detail.htm", true,
                    Seen::nothing},
        AddressCase{"NavigatingToLogin", "https://login.taobao.com/member/login.jhtml", false,
                    Seen::nothing}),
    [](const auto& info) { return std::string(info.param.name); });

class LoginWatcherSession : public test::ProgramTest {};

TEST_F(LoginWatcherSession, ASecondHomeLoadDoesNotStartTheSessionAgain) {
    startOffline();
    program->state.accountName = "already";
    documentLoaded(*program, "https://i.taobao.com/my_taobao.htm",
                   "<span>" + gbk("编辑资料") +
                       "</span><img src=\"//a\"><input value=\"other\"><input value=\"1\">");
    EXPECT_EQ(program->state.accountName, "already");
    EXPECT_TRUE(statusBar.parts.empty());
}

}  // namespace
}  // namespace tesmira
