#pragma once
// The whole program without a window: every handler wired to in-memory
// controls, talking to a simulated marketplace over HTTPS, on a clock the
// test moves.

#include <gtest/gtest.h>

#include <memory>

#include "marketplace.h"
#include "support/memory_controls.h"
#include "support/temporary_directory.h"

namespace tesmira::test {

class ProgramTest : public testing::Test {
protected:
    ProgramTest();

    // Starts the marketplace with `scenario` (its "now" is the test's clock)
    // and the program on it, the pane on its start address.
    void start(marketsim::Scenario scenario);
    // The program on the production hosts with no request object: for the
    // handlers that decide without the network.
    void startOffline();
    // The seller logs in through the pane's form; everything it sets off runs.
    void logInThroughThePane();

    static LocalTime startTime() { return localTimeOf(2026, 12, 11, 9, 0, 0); }

    EventLoop loop{startTime()};
    TemporaryDirectory settings;
    CookieStore cookies;
    MemoryOrderList pendingList{4};
    MemoryOrderList ratedList{3};
    MemoryStatusBar statusBar;
    std::unique_ptr<MemoryTimer> autoRateTimer;
    std::unique_ptr<MemoryTimer> refreshTimer;
    std::unique_ptr<MemoryPane> pane;
    MemoryPopup popup;
    MemoryClipboard clipboard;
    MemoryTray tray;
    MemoryPause pause{loop};
    MemoryWindow window;
    FixedPictures pictures;
    std::unique_ptr<marketsim::Marketplace> marketplace;
    std::unique_ptr<Program> program;
};

}  // namespace tesmira::test
