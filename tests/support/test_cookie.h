#pragma once

#include <string>

#include "session/cookie_store.h"

namespace tesmira::test {

// A cookie with the value "v", for tests of the store and of its clearing.
inline Cookie testCookie(std::string name, std::string domain, bool hostOnly,
                         std::string path = "/", bool secure = false, bool httpOnly = false) {
    Cookie cookie;
    cookie.name = std::move(name);
    cookie.value = "v";
    cookie.domain = std::move(domain);
    cookie.hostOnly = hostOnly;
    cookie.path = std::move(path);
    cookie.secure = secure;
    cookie.httpOnly = httpOnly;
    return cookie;
}

}  // namespace tesmira::test
