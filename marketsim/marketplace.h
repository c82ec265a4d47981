#pragma once
// The simulated marketplace as one object: start it on loopback, point the
// program at its hosts, read what it received and what was rated.

#include <memory>
#include <string>
#include <vector>

#include "request_log.h"
#include "scenario.h"
#include "session/marketplace_hosts.h"
#include "site.h"

namespace marketsim {

class Marketplace {
public:
    explicit Marketplace(Scenario scenario = Scenario(), std::string certificateDirectory = "");
    ~Marketplace();
    Marketplace(const Marketplace&) = delete;
    Marketplace& operator=(const Marketplace&) = delete;

    // Listens for HTTPS on `port` (any free one for 0) and for plain http on
    // `httpPort`. False when a port is taken or the certificates are missing.
    bool start(int port = 0, int httpPort = 0);
    void stop();

    int port() const;
    int httpPort() const;
    // Every role's host with its port; the error page's is the plain http port.
    tesmira::MarketplaceHosts hosts() const;
    // The certificate authority that signed the server's certificate.
    std::string caFile() const;

    RequestLog& log() { return log_; }
    Site& site() { return *site_; }

private:
    struct Servers;
    std::string certificates_;
    Scenario initial_;
    RequestLog log_;
    std::unique_ptr<Site> site_;
    std::unique_ptr<Servers> servers_;
};

// Every role's host on a marketplace listening on these ports, for a program
// in another process.
tesmira::MarketplaceHosts hostsOnPorts(int port, int httpPort);

// The directory the build put the test certificates in.
std::string defaultCertificateDirectory();

}  // namespace marketsim
