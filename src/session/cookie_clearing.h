#pragma once
// Ends the seller's session for good when the program is closed with its
// close button: every marketplace cookie in the shared store is overwritten
// with an expired one, so that the next start begins logged out.

#include <string>
#include <string_view>

#include "session/cookie_store.h"

namespace tesmira {

// The expiring cookie text, and its form with a domain attribute.
inline constexpr std::string_view expiringCookieText =
    "deleted; expires=Fri, 1-Jan-1999 1:1:1 GMT; path=/;";

// The merged listing of the cookies the store holds for `host`: those that
// scripts may see, then those that include the HttpOnly ones. Both are read
// for the https address, whose listing includes the Secure cookies that the
// marketplace's login sets (an http listing would leave them out).
std::string readCookieListing(const CookieStore& store, std::string_view host);

// For every name in the host's listing: an expiring write without, then one
// with a domain attribute, both to "http://" + host. Cookies that the
// marketplace's hosts set for themselves alone (host-only cookies of a
// subdomain) are not in that listing; they are expired as well, so that no
// cookie of the login session is left.
void clearMarketplaceCookies(CookieStore& store, std::string_view host);

}  // namespace tesmira
