#include "marketplace.h"

#include <httplib.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "front_door.h"

namespace marketsim {

constexpr const char* cookieDomain = "market.localhost";

struct Marketplace::Servers {
    SSL_CTX* tls = nullptr;
    httplib::Server backend;
    int backendPort = 0;
    std::thread backendThread;
    std::unique_ptr<FrontDoor> frontDoor;

    ~Servers() {
        if (frontDoor)
            frontDoor->close();
        backend.stop();
        if (backendThread.joinable())
            backendThread.join();
        if (tls != nullptr)
            SSL_CTX_free(tls);
    }
};

std::string defaultCertificateDirectory() {
    return TESMIRA_MARKETSIM_CERTIFICATES;
}

Marketplace::Marketplace(Scenario scenario, std::string certificateDirectory)
    : certificates_(certificateDirectory.empty() ? defaultCertificateDirectory()
                                                 : std::move(certificateDirectory)),
      initial_(std::move(scenario)) {}

Marketplace::~Marketplace() {
    stop();
}

bool Marketplace::start(int port, int httpPort) {
    stop();
    auto servers = std::make_unique<Servers>();
    servers->tls = SSL_CTX_new(TLS_server_method());
    const std::string certificate = certificates_ + "/server.pem";
    const std::string key = certificates_ + "/server.key";
    if (servers->tls == nullptr ||
        SSL_CTX_use_certificate_chain_file(servers->tls, certificate.c_str()) != 1 ||
        SSL_CTX_use_PrivateKey_file(servers->tls, key.c_str(), SSL_FILETYPE_PEM) != 1) {
        return false;
    }

    // Hosts carry the port, so they are known only once the front door is open:
    // the site is made then, and the backend routes to it through this pointer.
    servers->backend.new_task_queue = [] { return new httplib::ThreadPool(32); };
    servers->backend.set_tcp_nodelay(true);
    servers->backend.set_keep_alive_max_count(1000000);
    servers->backend.set_keep_alive_timeout(300);
    servers->backend.set_payload_max_length(64 * 1024 * 1024);
    auto route = [this](const httplib::Request& request, httplib::Response& response) {
        site_->handle(request, response);
    };
    servers->backend.Get(".*", route);
    servers->backend.Post(".*", route);
    servers->backendPort = servers->backend.bind_to_any_port("127.0.0.1");
    if (servers->backendPort <= 0) {
        return false;
    }

    servers->frontDoor = std::make_unique<FrontDoor>(
        servers->tls, servers->backendPort, log_,
        [this](const LoggedRequest& request) {
            return site_->inspect(request.method, request.hostName(), request.path());
        },
        [this] { return site_->stallSeconds(); });
    if (!servers->frontDoor->open(port, httpPort)) {
        return false;
    }
    servers_ = std::move(servers);
    site_ = std::make_unique<Site>(initial_, hosts());
    Servers* raw = servers_.get();
    servers_->backendThread = std::thread([raw] { raw->backend.listen_after_bind(); });
    // A stop before the backend runs would not reach it, and its thread would
    // wait for connections for ever.
    for (int waited = 0; !raw->backend.is_running() && waited < 5000; ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return raw->backend.is_running();
}

void Marketplace::stop() {
    servers_.reset();
}

int Marketplace::port() const {
    return servers_ ? servers_->frontDoor->tlsPort() : 0;
}
int Marketplace::httpPort() const {
    return servers_ ? servers_->frontDoor->httpPort() : 0;
}

tesmira::MarketplaceHosts Marketplace::hosts() const {
    return hostsOnPorts(port(), httpPort());
}

tesmira::MarketplaceHosts hostsOnPorts(int port, int httpPort) {
    const std::string tls = ":" + std::to_string(port);
    return tesmira::MarketplaceHosts{
        .homeHost = "i.market.localhost" + tls,
        .loginHost = "login.market.localhost" + tls,
        .securityHost = "sec.market.localhost" + tls,
        .errorHost = "err.market.localhost:" + std::to_string(httpPort),
        .tradeArchiveHost = "tradearchive.market.localhost" + tls,
        .tradeHost = "trade.market.localhost" + tls,
        .buyerTradeHost = "buyertrade.market.localhost" + tls,
        .rateHost = "rate.market.localhost" + tls,
        .avatarHost = "wwc.cdn.localhost" + tls,
        .cookieDomain = cookieDomain,
    };
}

std::string Marketplace::caFile() const {
    return certificates_ + "/ca.pem";
}

}  // namespace marketsim
