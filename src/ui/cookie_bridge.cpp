#include "ui/cookie_bridge.h"

#include <QDateTime>
#include <QUrl>
#include <algorithm>

namespace tesmira::ui {
namespace {

std::string bytes(const QByteArray& array) {
    return std::string(array.constData(), static_cast<std::size_t>(array.size()));
}

QByteArray array(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Where a cookie belongs, for the calls that want an address.
QUrl originOf(const Cookie& cookie) {
    return QUrl(QString::fromStdString("https://" + cookie.domain + cookie.path));
}

// Takes `cookie` out of `awaited` when it is there; true when it was.
bool consume(std::vector<Cookie>& awaited, const Cookie& cookie) {
    const auto it = std::find(awaited.begin(), awaited.end(), cookie);
    if (it == awaited.end())
        return false;
    awaited.erase(it);
    return true;
}

}  // namespace

Cookie cookieOf(const QNetworkCookie& network) {
    Cookie cookie;
    cookie.name = bytes(network.name());
    cookie.value = bytes(network.value());
    std::string domain = network.domain().toLower().toStdString();
    // The browser writes domain cookies with a leading dot, host-only ones
    // with the bare host.
    cookie.hostOnly = !domain.starts_with('.');
    if (!cookie.hostOnly)
        domain.erase(0, 1);
    cookie.domain = domain;
    cookie.path = network.path().isEmpty() ? "/" : network.path().toStdString();
    if (!network.isSessionCookie())
        cookie.expires = network.expirationDate().toSecsSinceEpoch();
    cookie.secure = network.isSecure();
    cookie.httpOnly = network.isHttpOnly();
    return cookie;
}

QNetworkCookie networkCookieOf(const Cookie& cookie) {
    QNetworkCookie network(array(cookie.name), array(cookie.value));
    network.setDomain(
        QString::fromStdString(cookie.hostOnly ? cookie.domain : "." + cookie.domain));
    network.setPath(QString::fromStdString(cookie.path));
    if (cookie.expires)
        network.setExpirationDate(QDateTime::fromSecsSinceEpoch(*cookie.expires, Qt::UTC));
    network.setSecure(cookie.secure);
    network.setHttpOnly(cookie.httpOnly);
    return network;
}

CookieBridge::CookieBridge(QWebEngineCookieStore& browserCookies, CookieStore& programCookies)
    : browserStore_(browserCookies), program_(programCookies) {
    added_ = QObject::connect(&browserStore_, &QWebEngineCookieStore::cookieAdded,
                              [this](const QNetworkCookie& c) { browserAdded(cookieOf(c)); });
    removed_ = QObject::connect(&browserStore_, &QWebEngineCookieStore::cookieRemoved,
                                [this](const QNetworkCookie& c) { browserRemoved(cookieOf(c)); });
    program_.setObserver(
        [this](const Cookie& cookie, bool added) { programChanged(cookie, added); });
    for (const Cookie& cookie : program_.cookies())
        programChanged(cookie, true);
}

CookieBridge::~CookieBridge() {
    QObject::disconnect(added_);
    QObject::disconnect(removed_);
    program_.setObserver(nullptr);
}

void CookieBridge::browserAdded(const Cookie& cookie) {
    browser_.erase(std::remove_if(browser_.begin(), browser_.end(),
                                  [&](const Cookie& c) { return c.sameSlot(cookie); }),
                   browser_.end());
    browser_.push_back(cookie);
    if (consume(awaitedAdds_, cookie))
        return;
    applyingBrowserChange_ = true;
    program_.put(cookie);
    applyingBrowserChange_ = false;
}

void CookieBridge::browserRemoved(const Cookie& cookie) {
    browser_.erase(std::remove(browser_.begin(), browser_.end(), cookie), browser_.end());
    if (consume(awaitedRemoves_, cookie))
        return;
    // The browser reports an overwrite as the old cookie removed, then the new
    // one added: only the very cookie reported goes, never a newer one in its
    // slot.
    const auto& held = program_.cookies();
    if (std::find(held.begin(), held.end(), cookie) == held.end())
        return;
    applyingBrowserChange_ = true;
    program_.remove(cookie);
    applyingBrowserChange_ = false;
}

void CookieBridge::programChanged(const Cookie& cookie, bool added) {
    if (applyingBrowserChange_)
        return;
    if (added) {
        awaitedAdds_.push_back(cookie);
        QNetworkCookie network = networkCookieOf(cookie);
        // A cookie set with a domain is a domain cookie; without one the
        // browser makes it host-only for its origin.
        if (cookie.hostOnly)
            network.setDomain(QString());
        browserStore_.setCookie(network, originOf(cookie));
    } else {
        awaitedRemoves_.push_back(cookie);
        browserStore_.deleteCookie(networkCookieOf(cookie), originOf(cookie));
    }
}

}  // namespace tesmira::ui
