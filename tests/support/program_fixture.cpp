#include "support/program_fixture.h"

#include "app/lifecycle.h"
#include "orders/rating_schedule.h"
#include "rating/encode_form_value.h"

namespace tesmira::test {

ProgramTest::ProgramTest() {
    autoRateTimer = std::make_unique<MemoryTimer>(loop, [this] { autoRateTick(*program); });
    refreshTimer = std::make_unique<MemoryTimer>(loop, [this] { refreshTick(*program); });
}

void ProgramTest::start(marketsim::Scenario scenario) {
    scenario.now = [this] { return loop.clock.now(); };
    marketplace = std::make_unique<marketsim::Marketplace>(std::move(scenario));
    ASSERT_TRUE(marketplace->start());
    const HttpRequestOptions options{.userAgent = "Tesmira test pane",
                                     .extraCaFile = marketplace->caFile(),
                                     .connectTimeoutMs = 15000,
                                     .totalTimeoutMs = 20000,
                                     .followRedirects = true};
    pane = std::make_unique<MemoryPane>(loop, cookies, options);
    program = std::make_unique<Program>(Program{
        .state = {},
        .hosts = marketplace->hosts(),
        .settingsDirectory = settings.path(),
        .cookies = cookies,
        .controls = Controls{pendingList, ratedList, statusBar, *autoRateTimer, *refreshTimer,
                             *pane, popup, clipboard, tray, pause, window, pictures, loop.clock},
    });
    popup.program = program.get();
    pane->attach(*program);
    onMainWindowCreated(*program, options);
    pane->open("https://" + program->hosts.homeHost + "/my_taobao.htm");
    loop.runEvents();
}

void ProgramTest::startOffline() {
    pane = std::make_unique<MemoryPane>(loop, cookies, HttpRequestOptions{});
    program = std::make_unique<Program>(Program{
        .state = {},
        .hosts = productionHosts(),
        .settingsDirectory = settings.path(),
        .cookies = cookies,
        .controls = Controls{pendingList, ratedList, statusBar, *autoRateTimer, *refreshTimer,
                             *pane, popup, clipboard, tray, pause, window, pictures, loop.clock},
    });
    popup.program = program.get();
}

void ProgramTest::logInThroughThePane() {
    // The form as the pane submits it, with its hidden return address.
    const std::string marker = "name=\"redirectURL\" value=\"";
    const std::size_t at = pane->html.find(marker);
    const std::string redirect =
        at == std::string::npos
            ? ""
            : pane->html.substr(at + marker.size(),
                                pane->html.find('"', at + marker.size()) - at - marker.size());
    const marketsim::Account account;
    pane->submitForm("https://" + program->hosts.loginHost + "/member/login.jhtml",
                     "redirectURL=" + encodeFormValue(redirect) + "&TPL_username=" +
                         account.loginName + "&TPL_password=" + account.password);
    loop.runEvents();
}

}  // namespace tesmira::test
