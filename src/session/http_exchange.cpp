#include "session/http_exchange.h"

#include <curl/curl.h>

#include <chrono>
#include <fstream>
#include <iterator>

namespace tesmira {
namespace {

size_t appendBody(char* data, size_t size, size_t count, void* body) {
    static_cast<std::string*>(body)->append(data, size * count);
    return size * count;
}

bool isPost(std::string_view verb) {
    return verb.size() == 4 && (verb[0] | 0x20) == 'p' && (verb[1] | 0x20) == 'o' &&
           (verb[2] | 0x20) == 's' && (verb[3] | 0x20) == 't';
}

struct HeaderList {
    curl_slist* list = nullptr;
    ~HeaderList() { curl_slist_free_all(list); }
    bool add(const std::string& line) {
        curl_slist* grown = curl_slist_append(list, line.c_str());
        if (grown == nullptr)
            return false;
        list = grown;
        return true;
    }
};

}  // namespace

struct HttpRequest::Handle {
    CURL* curl = nullptr;
    std::string extraCa;

    ~Handle() {
        if (curl != nullptr)
            curl_easy_cleanup(curl);
    }
};

HttpRequest::HttpRequest(CookieStore& cookies, HttpRequestOptions options)
    : handle_(std::make_unique<Handle>()), cookies_(cookies), options_(std::move(options)) {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!initialised) {
        return;
    }
    handle_->curl = curl_easy_init();
    if (handle_->curl != nullptr)
        curl_easy_setopt(handle_->curl, CURLOPT_COOKIEFILE, "");
    if (!options_.extraCaFile.empty()) {
        std::ifstream in(options_.extraCaFile, std::ios::binary);
        handle_->extraCa.assign(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
    }
}

HttpRequest::~HttpRequest() = default;

std::string HttpRequest::exchange(std::string_view verb, std::string_view address,
                                  const std::vector<HttpHeader>& headers,
                                  const std::optional<std::string>& body) {
    CURL* curl = handle_->curl;
    if (curl == nullptr) {
        return {};
    }
    // The handle is not reset between exchanges: every option an exchange
    // depends on is set below each time, and libcurl 7.88 leaks the cookie
    // engine's file list on a reset.
    std::string answer;
    HeaderList headerList;
    for (const HttpHeader& header : headers) {
        if (!headerList.add(header.name + ": " + header.value))
            return {};
    }
    // libcurl would otherwise add "Expect: 100-continue" to larger bodies.
    if (!headerList.add("Expect:"))
        return {};

    const std::string url(address);
    bool ok = curl_easy_setopt(curl, CURLOPT_URL, url.c_str()) == CURLE_OK;
    ok = ok && curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK;
    ok = ok && curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https") == CURLE_OK;
    ok = ok && curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L) == CURLE_OK;
    ok = ok && curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, options_.followRedirects ? 1L : 0L) ==
                   CURLE_OK;
    ok = ok && curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 20L) == CURLE_OK;
    ok = ok && curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "") == CURLE_OK;
    ok = ok &&
         curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, options_.connectTimeoutMs) == CURLE_OK;
    ok = ok && curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, options_.totalTimeoutMs) == CURLE_OK;
    ok = ok && curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L) == CURLE_OK;
    ok = ok && curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L) == CURLE_OK;
    ok = ok && curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headerList.list) == CURLE_OK;
    ok = ok && curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendBody) == CURLE_OK;
    ok = ok && curl_easy_setopt(curl, CURLOPT_WRITEDATA, &answer) == CURLE_OK;
    if (!options_.userAgent.empty()) {
        ok =
            ok && curl_easy_setopt(curl, CURLOPT_USERAGENT, options_.userAgent.c_str()) == CURLE_OK;
    }
    if (!handle_->extraCa.empty()) {
        // The simulator's authority beside the system's: the system's
        // directory of roots stays, the blob takes the bundle's place.
        curl_blob blob{handle_->extraCa.data(), handle_->extraCa.size(), CURL_BLOB_NOCOPY};
        ok = ok && curl_easy_setopt(curl, CURLOPT_CAINFO_BLOB, &blob) == CURLE_OK;
    }
    // libcurl reads the body from the caller's bytes while it sends.
    static const std::string noBody;
    const std::string& bytes = body ? *body : noBody;
    if (isPost(verb)) {
        ok = ok && curl_easy_setopt(curl, CURLOPT_POST, 1L) == CURLE_OK;
        ok = ok && curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE,
                                    static_cast<curl_off_t>(bytes.size())) == CURLE_OK;
        ok = ok && curl_easy_setopt(curl, CURLOPT_POSTFIELDS, bytes.data()) == CURLE_OK;
    } else {
        // The last post's body is not the caller's any more.
        ok = ok && curl_easy_setopt(curl, CURLOPT_POSTFIELDS, nullptr) == CURLE_OK;
        ok = ok && curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L) == CURLE_OK;
    }

    // The cookie engine starts from the shared store and hands back to it
    // whatever the answers set, also along redirects.
    ok = ok && curl_easy_setopt(curl, CURLOPT_COOKIELIST, "ALL") == CURLE_OK;
    for (const std::string& line : cookies_.netscapeLines()) {
        ok = ok && curl_easy_setopt(curl, CURLOPT_COOKIELIST, line.c_str()) == CURLE_OK;
    }
    if (!ok) {
        return {};
    }

    const auto sent = std::chrono::steady_clock::now();
    const CURLcode result = curl_easy_perform(curl);
    networkWait_ += std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - sent);
    char* redirect = nullptr;
    redirectAddress_ =
        result == CURLE_OK &&
                curl_easy_getinfo(curl, CURLINFO_REDIRECT_URL, &redirect) == CURLE_OK &&
                redirect != nullptr
            ? redirect
            : "";

    long connects = 0;
    if (curl_easy_getinfo(curl, CURLINFO_NUM_CONNECTS, &connects) == CURLE_OK) {
        connectionsOpened_ += connects;
    }
    curl_slist* cookieList = nullptr;
    if (curl_easy_getinfo(curl, CURLINFO_COOKIELIST, &cookieList) == CURLE_OK) {
        std::vector<std::string> lines;
        for (curl_slist* item = cookieList; item != nullptr; item = item->next) {
            lines.emplace_back(item->data);
        }
        curl_slist_free_all(cookieList);
        cookies_.replaceWithNetscapeLines(lines);
    }
    return result == CURLE_OK ? answer : std::string();
}

std::string httpExchange(HttpRequest* request, std::string_view verb, std::string_view address,
                         const std::vector<HttpHeader>& headers,
                         const std::optional<std::string>& body) {
    return request != nullptr ? request->exchange(verb, address, headers, body) : std::string();
}

}  // namespace tesmira
