#include "session/login_watcher.h"

#include "orders/deadline_lookup.h"
#include "session/session_start.h"
#include "text/gbk_texts.h"

namespace tesmira {
namespace {

bool contains(std::string_view address, const std::string& text) {
    return address.find(text) != std::string_view::npos;
}

bool isHomePage(const Program& p, std::string_view a) {
    return contains(a, p.hosts.homeHost + "/my_taobao.htm");
}
bool isErrorPage(const Program& p, std::string_view a) {
    return contains(a, "http://" + p.hosts.errorHost + "/error2.html");
}
bool isSecurityCheck(const Program& p, std::string_view a) {
    return contains(a, p.hosts.securityHost + "/query.htm");
}
bool isLoginPage(const Program& p, std::string_view a) {
    return contains(a, p.hosts.loginHost + "/member/login.jhtml");
}
bool isTradePage(const Program& p, std::string_view a) {
    return contains(a, p.hosts.tradeArchiveHost + "/trade/detail/trade_item_detail.htm") ||
           contains(a, p.hosts.tradeHost + "/trade/itemlist/list_sold_items.htm");
}

}  // namespace

void aboutToNavigate(Program& program, std::string_view address) {
    Controls& c = program.controls;
    if (isHomePage(program, address)) {
        c.statusBar.setText(1, gbk::loggedInText);
        c.loginBrowser.hide();
        c.window.setCaptionsVisible(true);
        c.pendingList.setVisible(true);
        c.ratedList.setVisible(true);
    } else if (isErrorPage(program, address)) {
        c.window.endProgram();
    }
}

void documentLoaded(Program& program, std::string_view address, std::string_view html) {
    Controls& c = program.controls;
    if (isSecurityCheck(program, address)) {
        c.statusBar.setText(1, gbk::enterVerificationCodeText);
        c.loginBrowser.show();
        c.loginBrowser.raise();
    } else if (isHomePage(program, address) && program.state.accountName.empty()) {
        startSession(program, html);
    } else if (isLoginPage(program, address)) {
        c.loginBrowser.runScript(switchToPasswordLoginScript);
        c.statusBar.setText(1, gbk::pleaseLogInText);
        // A session that lapses after login sends the hidden pane here: the
        // seller must see the form to log in again.
        c.loginBrowser.show();
        c.loginBrowser.raise();
    } else if (isTradePage(program, address)) {
        c.loginBrowser.hide();
        c.loginBrowser.lower();
        c.statusBar.setText(1, gbk::verificationAcceptedText);
        lookUpDeadlines(program);
    }
}

}  // namespace tesmira
