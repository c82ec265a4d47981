// The demo's browser pane trusts the simulated marketplace's authority, and
// nothing else, through this check.

#include "session/certificate_authority.h"

#include <gtest/gtest.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include <cstdio>

#include "marketplace.h"

namespace tesmira {
namespace {

std::string certificateFile(const char* name) {
    return marketsim::defaultCertificateDirectory() + "/" + name;
}

std::string derOf(const std::string& pemFile) {
    std::FILE* file = std::fopen(pemFile.c_str(), "rb");
    if (file == nullptr)
        return {};
    X509* certificate = PEM_read_X509(file, nullptr, nullptr, nullptr);
    std::fclose(file);
    unsigned char* bytes = nullptr;
    const int length = certificate ? i2d_X509(certificate, &bytes) : -1;
    std::string der = length > 0 ? std::string(reinterpret_cast<char*>(bytes), length) : "";
    OPENSSL_free(bytes);
    X509_free(certificate);
    return der;
}

struct ChainCase {
    const char* what;
    std::vector<std::string> chain;
    std::string authority;
    std::string host;
    bool accepted;
};

TEST(CertificateAuthority, AcceptsOnlyTheAuthoritysOwnChainForTheHostsItNames) {
    const std::string server = derOf(certificateFile("server.pem"));
    const std::string authority = derOf(certificateFile("ca.pem"));
    ASSERT_FALSE(server.empty());
    const std::string ca = certificateFile("ca.pem");
    const ChainCase cases[] = {
        {"the server for a host it names", {server}, ca, "trade.market.localhost", true},
        {"with the authority in the chain", {server, authority}, ca, "i.market.localhost", true},
        {"a host the certificate does not name", {server}, ca, "trade.taobao.com", false},
        {"a look-alike host", {server}, ca, "trade.market.localhost.evil.com", false},
        {"the authority's own certificate as the server's",
         {authority},
         ca,
         "market.localhost",
         false},
        {"checked against a certificate that is no authority",
         {server},
         certificateFile("server.pem"),
         "trade.market.localhost",
         false},
        {"an authority file that is not there",
         {server},
         "/nonexistent/ca.pem",
         "trade.market.localhost",
         false},
        {"bytes that are no certificate",
         {"not a certificate"},
         ca,
         "trade.market.localhost",
         false},
        {"a cut-off certificate",
         {server.substr(0, server.size() / 2)},
         ca,
         "trade.market.localhost",
         false},
        {"no chain at all", {}, ca, "trade.market.localhost", false},
        {"no host", {server}, ca, "", false},
    };
    for (const ChainCase& c : cases)
        EXPECT_EQ(chainIssuedBy(c.chain, c.authority, c.host), c.accepted) << c.what;
}

}  // namespace
}  // namespace tesmira
