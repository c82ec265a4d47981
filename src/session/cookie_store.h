#pragma once
// The cookie store that the browser panes and the program's own requests
// share, held in memory for the run: the login session lives here and never
// outlives the program. The HTTP exchange hands it to libcurl's cookie engine
// before each request and takes back what the answer set; the browser pane
// mirrors it through the observer.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesmira {

struct Cookie {
    std::string name;
    std::string value;
    std::string domain;    // lower case, without a leading dot
    bool hostOnly = true;  // sent to `domain` alone, not to its subdomains
    std::string path = "/";
    std::optional<std::int64_t> expires;  // seconds since 1970 UTC; none for a session cookie
    bool secure = false;
    bool httpOnly = false;

    bool sameSlot(const Cookie& other) const;  // the same name, domain, kind and path
    bool operator==(const Cookie&) const = default;
};

class CookieStore {
public:
    // Told of every cookie added or removed; a changed cookie is removed, then added.
    using Observer = std::function<void(const Cookie&, bool added)>;

    void setObserver(Observer observer) { observer_ = std::move(observer); }

    const std::vector<Cookie>& cookies() const { return cookies_; }

    // Adds a cookie or replaces the one in its slot; an expired cookie removes it.
    void put(const Cookie& cookie);
    void remove(const Cookie& cookie);

    // The "name=value" entries, separated by "; ", that a request to `address`
    // would carry; HttpOnly cookies only when asked for.
    std::string listingFor(std::string_view address, bool includeHttpOnly) const;

    // Writes a cookie for an address from its name and a data text such as
    // "value; expires=Fri, 1-Jan-1999 1:1:1 GMT; path=/; domain=example.com".
    // An expiry in the past removes the cookie of that slot, whatever its
    // Secure and HttpOnly flags. False when the text names a domain the
    // address does not belong to.
    bool writeCookie(std::string_view address, std::string_view name, std::string_view data);

    // The store as libcurl's cookie engine reads and writes it, one line per
    // cookie in the Netscape format ("#HttpOnly_" before HttpOnly domains).
    std::vector<std::string> netscapeLines() const;
    void replaceWithNetscapeLines(const std::vector<std::string>& lines);

private:
    std::vector<Cookie> cookies_;
    Observer observer_;

    void notify(const Cookie& cookie, bool added) const;
};

// Seconds since 1970 UTC of a cookie date such as "Fri, 1-Jan-1999 1:1:1 GMT";
// none when it cannot be read.
std::optional<std::int64_t> cookieDateSeconds(std::string_view text);

}  // namespace tesmira
