#pragma once
// The desktop program as the demo runs it, the simulated marketplace inside,
// for tests that drive its windows: a clock the test moves, short pauses, a
// settings directory of its own, and an end that is recorded instead of
// ending the test.

#include <QString>
#include <QTreeWidget>
#include <QWidget>
#include <functional>
#include <memory>

#include "marketplace.h"
#include "support/fixed_clock.h"
#include "support/temporary_directory.h"
#include "ui/desktop_program.h"

namespace tesmira::test {

struct DesktopSession {
    explicit DesktopSession(marketsim::Scenario scenario);

    FixedClock clock;  // the program's; the marketplace keeps the start time
    TemporaryDirectory settings;
    std::unique_ptr<marketsim::Marketplace> marketplace;
    std::unique_ptr<ui::DesktopProgram> desktop;
    int endRequests = 0;

    ui::MainWindow& window() { return desktop->window(); }
    QString status() const;
    // Fills and submits the login form shown in the pane, as the seller does.
    void logInThroughThePane();
};

// Runs `act` on the modal window (or popup menu) that the next call opens, once
// it shows; the call that opens it returns when `act` has closed it.
void whenModalOpens(std::function<void(QWidget*)> act);

// Saves a picture of `window` as `name` in the build's screenshot directory.
void saveScreenshot(QWidget& window, const QString& name);

// Makes `row` the list's only selected row and its current one, as a click does.
void selectOnly(QTreeWidget& list, int row);

// Runs the pane's script and waits for its answer.
QVariant runScript(QWebEngineView& view, const QString& script);

}  // namespace tesmira::test
