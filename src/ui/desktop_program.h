#pragma once
// The whole desktop program: the cookie store, the browser profile both panes
// share, the bridge between their cookies, the main window and the Program
// value the handlers work on. The program itself and the demo differ only in
// the configuration they give it.

#include <QWebEngineProfile>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/program.h"
#include "ui/browser_page.h"
#include "ui/cookie_bridge.h"
#include "ui/desktop_config.h"
#include "ui/main_window.h"

namespace tesmira::ui {

class DesktopProgram {
public:
    explicit DesktopProgram(DesktopConfig config);
    ~DesktopProgram();

    // Shows the main window; its created event runs, and the pane opens the
    // start address.
    void start();

    MainWindow& window() { return *window_; }
    Program& program() { return *program_; }
    CookieStore& cookies() { return cookies_; }
    CookieBridge& cookieBridge() { return *bridge_; }
    QWebEngineProfile& profile() { return *profile_; }

private:
    DesktopConfig config_;
    CookieStore cookies_;
    std::unique_ptr<QWebEngineProfile> profile_;
    std::unique_ptr<CookieBridge> bridge_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<Program> program_;
};

// Accepts a chain that the certificate authority in `caFile` issued for the
// host; an empty file name accepts nothing.
CertificatePolicy trustAuthorityFile(const std::string& caFile);

}  // namespace tesmira::ui
