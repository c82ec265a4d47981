#pragma once
// The headers the program's own requests set. Only two kinds set any: the
// sold-orders query, and the rating post, which sends what the marketplace's
// own rating page would.

#include <cstddef>
#include <string>
#include <vector>

#include "session/http_exchange.h"

namespace tesmira {

std::vector<HttpHeader> soldOrdersQueryHeaders();

// The nine headers of the rating post, in order; `rateHost` as the program
// addresses it (a port included where it has one).
std::vector<HttpHeader> ratingPostHeaders(const std::string& rateHost, std::size_t bodyLength);

}  // namespace tesmira
