#pragma once
// What the desktop program is given: the program itself and the demo differ
// only here. No Qt in this header, so the program's entry points need none.

#include <filesystem>
#include <functional>
#include <string>

#include "session/http_exchange.h"
#include "session/marketplace_hosts.h"
#include "text/local_time.h"

namespace tesmira::ui {

struct DesktopConfig {
    MarketplaceHosts hosts;
    std::filesystem::path settingsDirectory;
    HttpRequestOptions requestOptions;  // an empty user agent means the pane's own
    // A certificate authority the browser panes accept besides the system's
    // roots (the simulated marketplace's); empty for none.
    std::string trustedAuthorityFile;
    const Clock* clock = &systemClock();
    double pauseScale = 1;  // shortens the pauses between requests (tests, benchmarks)
    // Ends the process; by default the application's event loop ends with 0.
    std::function<void()> endProcess;
};

// The program's entry: the application, the program on `configure()`'s
// configuration (made once the application exists), its event loop.
int runDesktop(int& argc, char** argv, const std::function<DesktopConfig()>& configure);

}  // namespace tesmira::ui
