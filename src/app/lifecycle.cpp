#include "app/lifecycle.h"

#include "session/cookie_clearing.h"

namespace tesmira {

void createHttpRequest(Program& program, const HttpRequestOptions& options) {
    program.state.httpRequest = std::make_unique<HttpRequest>(program.cookies, options);
}

void onMainWindowCreated(Program& program, const HttpRequestOptions& options) {
    createHttpRequest(program, options);
    // The browser-engine settings of the system's browser control do not
    // apply: the pane embeds an engine of its own.
}

void quitProgram(Program& program) {
    clearMarketplaceCookies(program.cookies, program.hosts.cookieDomain);
    endProgram(program);
}

void endProgram(Program& program) {
    program.controls.window.endProgram();
}

void releaseSharedState(SharedState& state) {
    state.accountName.clear();
    state.activeListName.clear();
    state.sellerNumId.clear();
    state.goodRateText.clear();
    state.badRateText.clear();
    state.httpRequest.reset();
    state.avatarImage.clear();
    state.popupAddress.clear();
}

void onPopupWindowCreated(const Program& program, LoginPane& popupBrowser) {
    popupBrowser.navigate(program.state.popupAddress);
}

void onPopupWindowDestroyed(Program& program) {
    program.state.popupAddress.clear();
}

}  // namespace tesmira
