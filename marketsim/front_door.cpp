#include "front_door.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

namespace marketsim {
namespace {

constexpr std::size_t maximumRequestBytes = 64 * 1024 * 1024;

int listenOn(int port, int& chosenPort) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 64) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        return -1;
    }
    chosenPort = ntohs(address.sin_port);
    return fd;
}

// Small writes go out at once: with Nagle's rule a relayed answer would wait
// for the delayed acknowledgement of its first part.
void sendAtOnce(int fd) {
    const int yes = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
}

int connectTo(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sendAtOnce(fd);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool sendAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, size, MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

const char* faultName(FaultKind kind) {
    switch (kind) {
        case FaultKind::emptyBody:
            return "empty";
        case FaultKind::serverError:
            return "error";
        case FaultKind::refuse:
            return "refuse";
        default:
            return "";
    }
}

// One whole request at the front of `inbound`: the logged request and the
// length of its head (up to the blank line) and body.
struct WireRequest {
    LoggedRequest request;
    std::size_t headLength = 0;  // without the final blank line
    std::size_t totalLength = 0;
};

std::optional<WireRequest> takeRequest(const std::string& inbound) {
    const std::size_t headEnd = inbound.find("\r\n\r\n");
    if (headEnd == std::string::npos)
        return std::nullopt;
    WireRequest wire;
    wire.headLength = headEnd + 2;
    std::size_t lineStart = 0;
    bool first = true;
    std::size_t contentLength = 0;
    while (lineStart < headEnd + 2) {
        const std::size_t lineEnd = inbound.find("\r\n", lineStart);
        const std::string line = inbound.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 2;
        if (first) {
            const std::size_t space = line.find(' ');
            const std::size_t second = line.find(' ', space + 1);
            wire.request.method = line.substr(0, space);
            wire.request.target = line.substr(space + 1, second - space - 1);
            first = false;
            continue;
        }
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        std::string value = line.substr(colon + 1);
        value.erase(0, value.find_first_not_of(" \t"));
        value.erase(value.find_last_not_of(" \t") + 1);
        const std::string name = line.substr(0, colon);
        if (strcasecmp(name.c_str(), "Content-Length") == 0) {
            contentLength = std::strtoull(value.c_str(), nullptr, 10);
        }
        wire.request.headers.emplace_back(name, value);
    }
    wire.totalLength = headEnd + 4 + contentLength;
    if (inbound.size() < wire.totalLength)
        return std::nullopt;
    wire.request.body = inbound.substr(headEnd + 4, contentLength);
    wire.request.host = wire.request.header("Host");
    wire.request.cookies = cookieEntriesOf(wire.request.header("Cookie"));
    return wire;
}

}  // namespace

FrontDoor::FrontDoor(SSL_CTX* tls, int backendPort, RequestLog& log, Inspect inspect,
                     std::function<double()> stallSeconds)
    : tls_(tls),
      backendPort_(backendPort),
      log_(log),
      inspect_(std::move(inspect)),
      stallSeconds_(std::move(stallSeconds)) {}

FrontDoor::~FrontDoor() {
    close();
}

bool FrontDoor::open(int tlsPort, int httpPort) {
    tlsListener_ = listenOn(tlsPort, tlsPort_);
    httpListener_ = listenOn(httpPort, httpPort_);
    if (tlsListener_ < 0 || httpListener_ < 0) {
        close();
        return false;
    }
    acceptor_ = std::thread([this] { acceptLoop(); });
    return true;
}

void FrontDoor::close() {
    closing_ = true;
    wake_.notify_all();
    if (acceptor_.joinable())
        acceptor_.join();
    for (Connection& connection : connections_) {
        if (connection.thread.joinable())
            connection.thread.join();
    }
    connections_.clear();
    for (int* listener : {&tlsListener_, &httpListener_}) {
        if (*listener >= 0)
            ::close(*listener);
        *listener = -1;
    }
}

void FrontDoor::acceptLoop() {
    while (!closing_) {
        pollfd listeners[2] = {{tlsListener_, POLLIN, 0}, {httpListener_, POLLIN, 0}};
        if (::poll(listeners, 2, 100) > 0) {
            for (int i = 0; i < 2; ++i) {
                if (!(listeners[i].revents & POLLIN))
                    continue;
                const int client = ::accept4(listeners[i].fd, nullptr, nullptr, SOCK_CLOEXEC);
                if (client < 0)
                    continue;
                sendAtOnce(client);
                Connection& connection = connections_.emplace_back();
                const int id = ++connectionCount_;
                connection.thread = std::thread([this, client, i, id, &connection] {
                    serve(client, i == 0, id);
                    connection.done = true;
                });
            }
        }
        for (auto it = connections_.begin(); it != connections_.end();) {
            if (it->done) {
                it->thread.join();
                it = connections_.erase(it);
            } else {
                ++it;
            }
        }
    }
}

bool FrontDoor::pause(double seconds) {
    std::unique_lock lock(mutex_);
    return !wake_.wait_for(lock, std::chrono::duration<double>(seconds),
                           [this] { return closing_.load(); });
}

void FrontDoor::serve(int client, bool tls, int id) {
    SSL* ssl = nullptr;
    if (tls) {
        ssl = SSL_new(tls_);
        SSL_set_fd(ssl, client);
        timeval handshakeLimit{10, 0};
        ::setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &handshakeLimit, sizeof handshakeLimit);
        if (SSL_accept(ssl) <= 0) {
            SSL_free(ssl);
            ::close(client);
            return;
        }
        timeval none{0, 0};
        ::setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &none, sizeof none);
        const char* name = SSL_get_servername(ssl, TLSEXT_NAMETYPE_host_name);
        log_.countConnection(name != nullptr ? name : "");
    }
    auto readClient = [&](char* buffer, int size) {
        return ssl != nullptr ? SSL_read(ssl, buffer, size)
                              : static_cast<int>(::recv(client, buffer, size, 0));
    };
    auto writeClient = [&](const char* data, int size) {
        return ssl != nullptr ? SSL_write(ssl, data, size) == size : sendAll(client, data, size);
    };

    int backend = -1;
    bool reset = false;
    std::string inbound;
    char buffer[64 * 1024];
    while (!closing_ && !reset) {
        pollfd fds[2] = {{client, POLLIN, 0}, {backend, POLLIN, 0}};
        const bool pending = ssl != nullptr && SSL_has_pending(ssl) == 1;
        if (!pending && ::poll(fds, backend >= 0 ? 2 : 1, 100) <= 0)
            continue;
        if (pending || (fds[0].revents & (POLLIN | POLLHUP | POLLERR))) {
            const int received = readClient(buffer, sizeof buffer);
            if (received <= 0)
                break;
            inbound.append(buffer, static_cast<std::size_t>(received));
            if (inbound.size() > maximumRequestBytes)
                break;
            while (auto wire = takeRequest(inbound)) {
                wire->request.scheme = tls ? "https" : "http";
                wire->request.connection = id;
                log_.add(wire->request);
                const std::optional<FaultKind> fault = inspect_(wire->request);
                if (fault == FaultKind::reset) {
                    reset = true;
                    break;
                }
                if (fault == FaultKind::stall && !pause(stallSeconds_()))
                    break;
                std::string forwarded = inbound.substr(0, wire->headLength);
                forwarded +=
                    std::string("X-Marketsim-Scheme: ") + (tls ? "https" : "http") + "\r\n";
                if (fault && *faultName(*fault) != '\0') {
                    forwarded += std::string("X-Marketsim-Fault: ") + faultName(*fault) + "\r\n";
                }
                forwarded += "\r\n" + wire->request.body;
                inbound.erase(0, wire->totalLength);
                if (backend < 0)
                    backend = connectTo(backendPort_);
                if (backend < 0 || !sendAll(backend, forwarded.data(), forwarded.size())) {
                    reset = true;
                    break;
                }
            }
        }
        if (backend >= 0 && (fds[1].revents & (POLLIN | POLLHUP | POLLERR))) {
            const ssize_t received = ::recv(backend, buffer, sizeof buffer, 0);
            if (received <= 0 || !writeClient(buffer, static_cast<int>(received)))
                break;
        }
    }
    if (reset) {
        // A zero linger time makes the close send a reset instead of a FIN.
        linger abort{1, 0};
        ::setsockopt(client, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    } else if (ssl != nullptr) {
        SSL_shutdown(ssl);
    }
    if (ssl != nullptr)
        SSL_free(ssl);
    ::close(client);
    if (backend >= 0)
        ::close(backend);
}

}  // namespace marketsim
