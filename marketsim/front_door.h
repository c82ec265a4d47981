#pragma once
// The simulated marketplace's front door: it takes the TLS connections (and
// plain http ones), logs every request as it came on the wire, applies the
// faults that belong to the connection (a reset, a stall), and relays the
// bytes to the marketplace's pages, served by cpp-httplib behind it. The
// parsed requests of cpp-httplib lose the order of their headers; the wire
// does not.

#include <openssl/ssl.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <list>
#include <mutex>
#include <optional>
#include <thread>

#include "request_log.h"
#include "scenario.h"

namespace marketsim {

class FrontDoor {
public:
    // Logs a request and says which fault, if any, it meets.
    using Inspect = std::function<std::optional<FaultKind>(const LoggedRequest&)>;

    FrontDoor(SSL_CTX* tls, int backendPort, RequestLog& log, Inspect inspect,
              std::function<double()> stallSeconds);
    ~FrontDoor();

    // Listens on loopback; a port of 0 takes any free one. False when a port is taken.
    bool open(int tlsPort, int httpPort);
    void close();

    int tlsPort() const { return tlsPort_; }
    int httpPort() const { return httpPort_; }

private:
    struct Connection {
        std::thread thread;
        std::atomic<bool> done{false};
    };

    SSL_CTX* tls_;
    int backendPort_;
    RequestLog& log_;
    Inspect inspect_;
    std::function<double()> stallSeconds_;

    int tlsListener_ = -1;
    int httpListener_ = -1;
    int tlsPort_ = 0;
    int httpPort_ = 0;
    std::atomic<bool> closing_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    std::thread acceptor_;
    std::list<Connection> connections_;
    int connectionCount_ = 0;

    void acceptLoop();
    void serve(int client, bool tls, int id);
    bool pause(double seconds);  // false when the door closed meanwhile
};

}  // namespace marketsim
