#pragma once
// Every request the program itself sends to the marketplace goes through one
// request object and one pattern: open, set the caller's headers, send, take
// the whole body as bytes. The login session rides along in the shared cookie
// store; the program never sets a "Cookie" header itself.

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/cookie_store.h"

namespace tesmira {

struct HttpHeader {
    std::string name;
    std::string value;
};

struct HttpRequestOptions {
    std::string userAgent;    // sent where a request names none: the browser pane's
    std::string extraCaFile;  // a certificate authority trusted besides the system's
    long connectTimeoutMs = 15000;
    long totalTimeoutMs = 60000;  // a stalled answer must not freeze the program for ever
    bool followRedirects = true;  // a browser pane follows them itself, one page at a time
};

// The one request object of the run: one libcurl handle, so one kept-alive
// connection per host serves every request.
class HttpRequest {
public:
    HttpRequest(CookieStore& cookies, HttpRequestOptions options);
    ~HttpRequest();
    HttpRequest(const HttpRequest&) = delete;
    HttpRequest& operator=(const HttpRequest&) = delete;

    // The answer's body with any content coding undone, after redirects;
    // empty when the exchange failed in any way.
    std::string exchange(std::string_view verb, std::string_view address,
                         const std::vector<HttpHeader>& headers,
                         const std::optional<std::string>& body);

    // Where the last answer redirected to; empty when it did not.
    const std::string& redirectAddress() const { return redirectAddress_; }

    // How many connections the handle has opened so far.
    long connectionsOpened() const { return connectionsOpened_; }

    // How long the caller has waited for the marketplace in all, from sending
    // to the last byte of each answer: what blocks the program's thread
    // besides its own work.
    std::chrono::microseconds networkWait() const { return networkWait_; }

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
    CookieStore& cookies_;
    HttpRequestOptions options_;
    long connectionsOpened_ = 0;
    std::chrono::microseconds networkWait_{0};
    std::string redirectAddress_;
};

// Empty bytes when there is no request object, as when it could not be made.
std::string httpExchange(HttpRequest* request, std::string_view verb, std::string_view address,
                         const std::vector<HttpHeader>& headers = {},
                         const std::optional<std::string>& body = std::nullopt);

}  // namespace tesmira
