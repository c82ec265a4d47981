#include "session/cookie_clearing.h"

#include <vector>

#include "session/cookie_texts.h"

namespace tesmira {

std::string readCookieListing(const CookieStore& store, std::string_view host) {
    const std::string address = "https://" + std::string(host);
    return mergeCookieListings(store.listingFor(address, false), store.listingFor(address, true));
}

void clearMarketplaceCookies(CookieStore& store, std::string_view host) {
    const std::string domain = cookieDomainOf(host);
    const std::string expiring(expiringCookieText);
    const std::string withDomain = expiring + " domain=" + domain;
    const std::string address = "http://" + std::string(host);

    const std::string listing = readCookieListing(store, host);
    std::size_t start = 0;
    while (start < listing.size()) {
        std::size_t end = listing.find(';', start);
        if (end == std::string::npos)
            end = listing.size();
        const std::string name = cookieNameOf(listing.substr(start, end - start));
        start = end + 1;
        store.writeCookie(address, name, expiring);
        store.writeCookie(address, name, withDomain);
    }

    std::vector<Cookie> leftOfTheDomain;
    for (const Cookie& cookie : store.cookies()) {
        if (cookie.domain == domain || cookie.domain.ends_with("." + domain)) {
            leftOfTheDomain.push_back(cookie);
        }
    }
    for (const Cookie& cookie : leftOfTheDomain) {
        store.writeCookie("http://" + cookie.domain + cookie.path, cookie.name,
                          cookie.hostOnly
                              ? "deleted; expires=Fri, 1-Jan-1999 1:1:1 GMT; path=" + cookie.path
                              : "deleted; expires=Fri, 1-Jan-1999 1:1:1 GMT; path=" + cookie.path +
                                    "; domain=" + cookie.domain);
    }
}

}  // namespace tesmira
