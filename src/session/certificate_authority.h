#pragma once
// Whether a server's certificate chain was issued, for a host, by one given
// certificate authority, checked against that authority alone. The demo's
// browser pane accepts the simulated marketplace this way, without adding
// anything to the system's trust.

#include <string>
#include <vector>

namespace tesmira {

// `derChain`: the server's certificate first, then any intermediates, each in
// DER. False on any doubt: an unreadable certificate or authority file, an
// expired or foreign chain, a host the certificate does not name.
bool chainIssuedBy(const std::vector<std::string>& derChain, const std::string& authorityPemFile,
                   const std::string& hostName);

}  // namespace tesmira
