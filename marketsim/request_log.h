#pragma once
// What the simulated marketplace received, request by request, as the tests
// read it: the bytes on the wire after TLS, headers in their wire order.

#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace marketsim {

struct LoggedRequest {
    std::string scheme;  // "https" or "http"
    std::string method;
    std::string host;                                          // the Host header, port included
    std::string target;                                        // path and query
    std::vector<std::pair<std::string, std::string>> headers;  // in wire order
    std::string body;
    std::vector<std::pair<std::string, std::string>> cookies;  // from the Cookie header
    int connection = 0;  // which accepted connection carried it

    std::string header(
        const std::string& name) const;  // first of that name, any case; empty if none
    std::string path() const { return target.substr(0, target.find('?')); }
    std::string hostName() const { return host.substr(0, host.find(':')); }
};

// The name=value entries of a Cookie header, in order.
std::vector<std::pair<std::string, std::string>> cookieEntriesOf(const std::string& header);

class RequestLog {
public:
    void add(LoggedRequest request);
    void countConnection(const std::string& host);
    std::vector<LoggedRequest> requests() const;
    std::map<std::string, int> connectionsPerHost() const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<LoggedRequest> requests_;
    std::map<std::string, int> connections_;
};

}  // namespace marketsim
