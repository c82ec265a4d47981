// tesmira-marketsim: the simulated marketplace, started by hand.
//   tesmira-marketsim [--port N] [--http-port N] [--orders N]
// Prints its hosts and the demo credentials, and runs until interrupted.

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "marketplace.h"
#include "text/gbk_conversion.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

}  // namespace

int main(int argc, char** argv) {
    int port = 0;
    int httpPort = 0;
    int orders = 40;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--port") == 0)
            port = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--http-port") == 0)
            httpPort = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--orders") == 0)
            orders = std::atoi(argv[i + 1]);
        else {
            std::fprintf(stderr, "usage: %s [--port N] [--http-port N] [--orders N]\n", argv[0]);
            return 2;
        }
    }
    marketsim::Scenario scenario;
    scenario.orders = marketsim::Scenario::sampleOrders(orders);
    marketsim::Marketplace marketplace(scenario);
    if (!marketplace.start(port, httpPort)) {
        std::fprintf(stderr,
                     "tesmira-marketsim: cannot listen (port taken, or no certificates in %s)\n",
                     marketsim::defaultCertificateDirectory().c_str());
        return 1;
    }
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);

    const tesmira::MarketplaceHosts hosts = marketplace.hosts();
    const std::pair<const char*, const std::string*> roles[] = {
        {"homeHost", &hosts.homeHost},
        {"loginHost", &hosts.loginHost},
        {"securityHost", &hosts.securityHost},
        {"errorHost", &hosts.errorHost},
        {"tradeArchiveHost", &hosts.tradeArchiveHost},
        {"tradeHost", &hosts.tradeHost},
        {"buyerTradeHost", &hosts.buyerTradeHost},
        {"rateHost", &hosts.rateHost},
        {"avatarHost", &hosts.avatarHost},
        {"cookieDomain", &hosts.cookieDomain},
    };
    std::printf("tesmira-marketsim: %d orders, HTTPS on port %d, http on port %d\n", orders,
                marketplace.port(), marketplace.httpPort());
    for (const auto& [role, host] : roles)
        std::printf("  %-17s %s\n", role, host->c_str());
    const marketsim::Account account;
    std::printf("  login page        https://%s/member/login.jhtml\n", hosts.loginHost.c_str());
    std::printf("  demo credentials  %s / %s\n", account.loginName.c_str(),
                account.password.c_str());
    std::printf("  test CA           %s\n", marketplace.caFile().c_str());
    std::fflush(stdout);

    while (!stopRequested)
        pause();
    marketplace.stop();
    std::printf("tesmira-marketsim: stopped\n");
    return 0;
}
