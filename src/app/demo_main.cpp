// tesmira-demo: the program with the simulated marketplace running inside
// it. The settings go to a directory of the demo's own, never beside the
// program's.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "demo_scenario.h"
#include "marketplace.h"
#include "settings/settings_paths.h"
#include "ui/desktop_config.h"

int main(int argc, char** argv) {
    // The browser engine refuses to run as root with its sandbox on; the demo
    // is often tried in a container as root.
    if (geteuid() == 0)
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);

    marketsim::Marketplace marketplace(marketsim::demoScenario());
    if (!marketplace.start()) {
        std::fprintf(stderr,
                     "tesmira-demo: the simulated marketplace cannot start (no "
                     "certificates in %s?)\n",
                     marketsim::defaultCertificateDirectory().c_str());
        return 1;
    }
    const std::filesystem::path settings = tesmira::userDataDirectory("Tesmira demo");
    std::filesystem::create_directories(settings);
    const marketsim::Account account;
    std::printf(
        "tesmira-demo: simulated marketplace on port %d\n"
        "  log in with    %s / %s\n"
        "  settings in    %s\n",
        marketplace.port(), account.loginName.c_str(), account.password.c_str(), settings.c_str());
    std::fflush(stdout);

    return tesmira::ui::runDesktop(argc, argv, [&] {
        tesmira::ui::DesktopConfig config;
        config.hosts = marketplace.hosts();
        config.settingsDirectory = settings;
        config.requestOptions.extraCaFile = marketplace.caFile();
        config.trustedAuthorityFile = marketplace.caFile();
        return config;
    });
}
