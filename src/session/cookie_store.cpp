#include "session/cookie_store.h"

#include <curl/curl.h>

#include <algorithm>
#include <chrono>

namespace tesmira {
namespace {

std::int64_t secondsNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

bool isExpired(const Cookie& cookie, std::int64_t now) {
    return cookie.expires && *cookie.expires <= now;
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

struct Address {
    bool secure = false;
    std::string host;
    std::string path = "/";
};

// Scheme, host (lower case, without port) and path of an absolute address;
// a bare host stands for http.
Address addressOf(std::string_view address) {
    Address parts;
    if (const auto scheme = address.find("://"); scheme != std::string_view::npos) {
        parts.secure = lowerAscii(address.substr(0, scheme)) == "https";
        address.remove_prefix(scheme + 3);
    }
    const std::size_t pathStart = address.find_first_of("/?#");
    std::string_view host = address.substr(0, pathStart);
    if (const auto at = host.rfind('@'); at != std::string_view::npos)
        host.remove_prefix(at + 1);
    if (const auto colon = host.rfind(':'); colon != std::string_view::npos)
        host = host.substr(0, colon);
    parts.host = lowerAscii(host);
    if (pathStart != std::string_view::npos && address[pathStart] == '/') {
        parts.path = std::string(
            address.substr(pathStart, address.find_first_of("?#", pathStart) - pathStart));
    }
    return parts;
}

bool domainMatches(const Cookie& cookie, const std::string& host) {
    if (host == cookie.domain) {
        return true;
    }
    return !cookie.hostOnly && host.size() > cookie.domain.size() &&
           host.ends_with(cookie.domain) && host[host.size() - cookie.domain.size() - 1] == '.';
}

bool pathMatches(const Cookie& cookie, const std::string& path) {
    if (path == cookie.path)
        return true;
    if (!path.starts_with(cookie.path))
        return false;
    return cookie.path.ends_with('/') || path[cookie.path.size()] == '/';
}

// The path a cookie takes when it names none: the request path up to its last "/".
std::string defaultPath(const std::string& requestPath) {
    const std::size_t slash = requestPath.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : requestPath.substr(0, slash);
}

bool isTrue(std::string_view field) {
    return field == "TRUE";
}

}  // namespace

bool Cookie::sameSlot(const Cookie& other) const {
    return name == other.name && domain == other.domain && hostOnly == other.hostOnly &&
           path == other.path;
}

std::optional<std::int64_t> cookieDateSeconds(std::string_view text) {
    const std::string date(text);
    const time_t seconds = curl_getdate(date.c_str(), nullptr);
    if (seconds == -1) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(seconds);
}

void CookieStore::notify(const Cookie& cookie, bool added) const {
    if (observer_) {
        observer_(cookie, added);
    }
}

void CookieStore::put(const Cookie& cookie) {
    const auto slot = std::find_if(cookies_.begin(), cookies_.end(),
                                   [&](const Cookie& c) { return c.sameSlot(cookie); });
    if (slot != cookies_.end()) {
        if (*slot == cookie) {
            return;
        }
        const Cookie old = *slot;
        cookies_.erase(slot);
        notify(old, false);
    }
    if (!isExpired(cookie, secondsNow())) {
        cookies_.push_back(cookie);
        notify(cookie, true);
    }
}

void CookieStore::remove(const Cookie& cookie) {
    const auto slot = std::find_if(cookies_.begin(), cookies_.end(),
                                   [&](const Cookie& c) { return c.sameSlot(cookie); });
    if (slot != cookies_.end()) {
        const Cookie old = *slot;
        cookies_.erase(slot);
        notify(old, false);
    }
}

// libcurl matches cookies only while it sends a request; it has no call that
// lists them for an address, so the listing matches by the same rules here.
std::string CookieStore::listingFor(std::string_view address, bool includeHttpOnly) const {
    const Address target = addressOf(address);
    const std::int64_t now = secondsNow();
    std::vector<const Cookie*> sent;
    for (const Cookie& cookie : cookies_) {
        if (!isExpired(cookie, now) && domainMatches(cookie, target.host) &&
            pathMatches(cookie, target.path) && (!cookie.secure || target.secure) &&
            (includeHttpOnly || !cookie.httpOnly)) {
            sent.push_back(&cookie);
        }
    }
    // Longer paths first, as requests carry them.
    std::stable_sort(sent.begin(), sent.end(), [](const Cookie* a, const Cookie* b) {
        return a->path.size() > b->path.size();
    });
    std::string listing;
    for (const Cookie* cookie : sent) {
        listing += (listing.empty() ? "" : "; ") + cookie->name + "=" + cookie->value;
    }
    return listing;
}

bool CookieStore::writeCookie(std::string_view address, std::string_view name,
                              std::string_view data) {
    const Address target = addressOf(address);
    Cookie cookie;
    cookie.name = std::string(trimmed(name));
    cookie.domain = target.host;
    cookie.path = defaultPath(target.path);

    std::size_t start = 0;
    bool first = true;
    while (start <= data.size()) {
        std::size_t end = data.find(';', start);
        if (end == std::string_view::npos)
            end = data.size();
        const std::string_view part = trimmed(data.substr(start, end - start));
        start = end + 1;
        if (first) {
            cookie.value = std::string(part);
            first = false;
            continue;
        }
        const std::size_t equals = part.find('=');
        const std::string key = lowerAscii(trimmed(part.substr(0, equals)));
        const std::string_view value = equals == std::string_view::npos
                                           ? std::string_view()
                                           : trimmed(part.substr(equals + 1));
        if (key == "expires") {
            cookie.expires = cookieDateSeconds(value);
        } else if (key == "path" && value.starts_with('/')) {
            cookie.path = std::string(value);
        } else if (key == "domain" && !value.empty()) {
            std::string domain = lowerAscii(value);
            if (domain.starts_with('.'))
                domain.erase(0, 1);
            cookie.domain = domain;
            cookie.hostOnly = false;
        } else if (key == "secure") {
            cookie.secure = true;
        } else if (key == "httponly") {
            cookie.httpOnly = true;
        }
    }
    if (!cookie.hostOnly && !domainMatches(cookie, target.host)) {
        return false;
    }
    if (isExpired(cookie, secondsNow())) {
        remove(cookie);
    } else {
        put(cookie);
    }
    return true;
}

std::vector<std::string> CookieStore::netscapeLines() const {
    std::vector<std::string> lines;
    for (const Cookie& cookie : cookies_) {
        std::string line = cookie.httpOnly ? "#HttpOnly_" : "";
        line += (cookie.hostOnly ? "" : ".") + cookie.domain;
        line += cookie.hostOnly ? "\tFALSE\t" : "\tTRUE\t";
        line += cookie.path + (cookie.secure ? "\tTRUE\t" : "\tFALSE\t");
        line +=
            std::to_string(cookie.expires.value_or(0)) + "\t" + cookie.name + "\t" + cookie.value;
        lines.push_back(std::move(line));
    }
    return lines;
}

void CookieStore::replaceWithNetscapeLines(const std::vector<std::string>& lines) {
    std::vector<Cookie> incoming;
    for (std::string_view line : lines) {
        Cookie cookie;
        if (line.starts_with("#HttpOnly_")) {
            cookie.httpOnly = true;
            line.remove_prefix(10);
        } else if (line.starts_with('#')) {
            continue;
        }
        std::vector<std::string_view> fields;
        for (std::size_t start = 0; fields.size() < 6;) {
            const std::size_t tab = line.find('\t', start);
            if (tab == std::string_view::npos)
                break;
            fields.push_back(line.substr(start, tab - start));
            start = tab + 1;
            if (fields.size() == 6)
                fields.push_back(line.substr(start));
        }
        if (fields.size() != 7) {
            continue;
        }
        cookie.domain = lowerAscii(fields[0]);
        if (cookie.domain.starts_with('.'))
            cookie.domain.erase(0, 1);
        cookie.hostOnly = !isTrue(fields[1]);
        cookie.path = std::string(fields[2]);
        cookie.secure = isTrue(fields[3]);
        const std::string expires(fields[4]);
        const long long seconds = std::strtoll(expires.c_str(), nullptr, 10);
        if (seconds != 0)
            cookie.expires = seconds;
        cookie.name = std::string(fields[5]);
        cookie.value = std::string(fields[6]);
        incoming.push_back(std::move(cookie));
    }

    const std::vector<Cookie> before = cookies_;
    for (const Cookie& old : before) {
        const bool kept = std::any_of(incoming.begin(), incoming.end(),
                                      [&](const Cookie& c) { return c.sameSlot(old); });
        if (!kept) {
            remove(old);
        }
    }
    for (const Cookie& cookie : incoming) {
        put(cookie);
    }
}

}  // namespace tesmira
