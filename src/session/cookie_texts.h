#pragma once
// The texts of cookie listings: what the cookie store gives out for an
// address, as "name=value" entries separated by ";".

#include <string>
#include <string_view>

namespace tesmira {

// The name of one entry: the bytes before its first "=" (the whole entry when
// it has none), without leading or trailing spaces, ASCII or full-width.
std::string cookieNameOf(std::string_view entry);

// The registrable domain of an address or host: its last two labels in lower
// case, without scheme, path or port ("https://X.Y.Z:8080/p" gives "y.z").
std::string cookieDomainOf(std::string_view address);

// Merges the listing that scripts may see (older) with the one that includes
// HttpOnly cookies (newer): spaces removed, the newer entries first, older
// entries whose name the newer lack after them, "=deleted" entries dropped,
// repeated entries kept once, joined by "; ". Listings of any length.
std::string mergeCookieListings(std::string_view older, std::string_view newer);

}  // namespace tesmira
