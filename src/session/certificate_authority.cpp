#include "session/certificate_authority.h"

#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509_vfy.h>
#include <openssl/x509v3.h>

#include <cstdio>
#include <memory>

namespace tesmira {
namespace {

template <auto release>
struct Releaser {
    template <typename T>
    void operator()(T* p) const {
        release(p);
    }
};
using X509Pointer = std::unique_ptr<X509, Releaser<X509_free>>;
using StorePointer = std::unique_ptr<X509_STORE, Releaser<X509_STORE_free>>;
using ContextPointer = std::unique_ptr<X509_STORE_CTX, Releaser<X509_STORE_CTX_free>>;

void freeChain(STACK_OF(X509) * chain) {
    sk_X509_pop_free(chain, X509_free);
}
using ChainPointer = std::unique_ptr<STACK_OF(X509), Releaser<freeChain>>;

X509Pointer readDer(const std::string& der) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(der.data());
    return X509Pointer(d2i_X509(nullptr, &bytes, static_cast<long>(der.size())));
}

X509Pointer readPemFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return nullptr;
    X509Pointer certificate(PEM_read_X509(file, nullptr, nullptr, nullptr));
    std::fclose(file);
    return certificate;
}

}  // namespace

bool chainIssuedBy(const std::vector<std::string>& derChain, const std::string& authorityPemFile,
                   const std::string& hostName) {
    if (derChain.empty() || hostName.empty())
        return false;
    X509Pointer authority = readPemFile(authorityPemFile);
    X509Pointer server = readDer(derChain.front());
    if (!authority || !server)
        return false;
    ChainPointer intermediates(sk_X509_new_null());
    for (std::size_t i = 1; i < derChain.size(); ++i) {
        X509Pointer certificate = readDer(derChain[i]);
        if (!certificate || !sk_X509_push(intermediates.get(), certificate.get()))
            return false;
        certificate.release();
    }
    StorePointer store(X509_STORE_new());
    ContextPointer context(X509_STORE_CTX_new());
    if (!store || !context || !X509_STORE_add_cert(store.get(), authority.get()) ||
        !X509_STORE_CTX_init(context.get(), store.get(), server.get(), intermediates.get()))
        return false;
    X509_VERIFY_PARAM* parameters = X509_STORE_CTX_get0_param(context.get());
    if (!X509_VERIFY_PARAM_set1_host(parameters, hostName.c_str(), hostName.size()))
        return false;
    return X509_verify_cert(context.get()) == 1;
}

}  // namespace tesmira
