#include "session/request_headers.h"

namespace tesmira {

std::vector<HttpHeader> soldOrdersQueryHeaders() {
    return {{"Content-Type", "application/x-www-form-urlencoded"}};
}

std::vector<HttpHeader> ratingPostHeaders(const std::string& rateHost, std::size_t bodyLength) {
    return {
        {"Accept", "text/html, application/xhtml+xml, image/jxr, */*"},
        {"Accept-Encoding", "gzip, deflate"},
        {"Accept-Language", "en-US,en;q=0.8,zh-Hans-CN;q=0.5,zh-Hans;q=0.3"},
        {"Cache-Control", "no-cache"},
        {"Connection", "Keep-Alive"},
        {"Content-Length", std::to_string(bodyLength)},
        {"Content-Type", "application/x-www-form-urlencoded"},
        {"Host", rateHost},
        {"User-Agent", "Mozilla/5.0 (Windows NT 10.0; WOW64; Trident/7.0; rv:11.0) like Gecko"},
    };
}

}  // namespace tesmira
