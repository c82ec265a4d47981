#pragma once
// Keeps the browser panes' cookie store and the program's own cookie store the
// same, both ways: what the login sets in a pane goes out with the program's
// next request, what an answer to the program sets reaches the panes, and
// clearing one clears the other.
//
// The browser's store reports every change asynchronously, its own changes
// and the ones this bridge made. A report of a change the bridge made itself
// is recognised and dropped, so nothing echoes back and a late report never
// undoes a newer change.

#include <QNetworkCookie>
#include <QObject>
#include <QWebEngineCookieStore>
#include <vector>

#include "session/cookie_store.h"

namespace tesmira::ui {

Cookie cookieOf(const QNetworkCookie& cookie);
QNetworkCookie networkCookieOf(const Cookie& cookie);

class CookieBridge {
public:
    CookieBridge(QWebEngineCookieStore& browserCookies, CookieStore& programCookies);
    ~CookieBridge();
    CookieBridge(const CookieBridge&) = delete;
    CookieBridge& operator=(const CookieBridge&) = delete;

    // The cookies the browser's store holds, as it has reported them.
    const std::vector<Cookie>& browserCookies() const { return browser_; }

private:
    QWebEngineCookieStore& browserStore_;
    CookieStore& program_;
    std::vector<Cookie> browser_;
    std::vector<Cookie> awaitedAdds_;     // set in the browser by the bridge, report due
    std::vector<Cookie> awaitedRemoves_;  // deleted there by the bridge, report due
    bool applyingBrowserChange_ = false;
    QMetaObject::Connection added_, removed_;

    void browserAdded(const Cookie& cookie);
    void browserRemoved(const Cookie& cookie);
    void programChanged(const Cookie& cookie, bool added);
};

}  // namespace tesmira::ui
