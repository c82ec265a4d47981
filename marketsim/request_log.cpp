#include "request_log.h"

#include <strings.h>

namespace marketsim {

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
