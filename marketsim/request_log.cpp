#include "request_log.h"

#include <strings.h>

namespace marketsim {

std::vector<std::pair<std::string, std::string>> cookieEntriesOf(const std::string& header) {
    std::vector<std::pair<std::string, std::string>> cookies;
    std::size_t start = 0;
    while (start < header.size()) {
        std::size_t end = header.find(';', start);
        if (end == std::string::npos)
            end = header.size();
        std::string entry = header.substr(start, end - start);
        start = end + 1;
        entry.erase(0, entry.find_first_not_of(' '));
        if (entry.empty())
            continue;
        const std::size_t equals = entry.find('=');
        cookies.emplace_back(entry.substr(0, equals),
                             equals == std::string::npos ? "" : entry.substr(equals + 1));
    }
    return cookies;
}

std::string LoggedRequest::header(const std::string& name) const {
    for (const auto& [key, value] : headers) {
        if (strcasecmp(key.c_str(), name.c_str()) == 0) {
            return value;
        }
    }
    return {};
}

void RequestLog::add(LoggedRequest request) {
    std::lock_guard lock(mutex_);
    requests_.push_back(std::move(request));
}

void RequestLog::countConnection(const std::string& host) {
    std::lock_guard lock(mutex_);
    ++connections_[host];
}

std::vector<LoggedRequest> RequestLog::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

std::map<std::string, int> RequestLog::connectionsPerHost() const {
    std::lock_guard lock(mutex_);
    return connections_;
}

void RequestLog::clear() {
    std::lock_guard lock(mutex_);
    requests_.clear();
    connections_.clear();
}

}  // namespace marketsim
