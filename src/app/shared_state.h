#pragma once
// The values the whole program shares, one of each for the run. The
// application owns one SharedState and hands it to every handler; all texts
// are GBK byte strings, empty at start.

#include <cstdint>
#include <memory>
#include <string>

#include "session/http_exchange.h"

namespace tesmira {

struct SharedState {
    std::string accountName;        // the logged-in account's name, empty before login
    std::string sellerNumId;        // the account's numeric user id
    std::string activeListName;     // which order list a row command acts on
    std::string goodRateText;       // the account's general good-rating text
    std::string badRateText;        // the account's general bad-rating text
    std::int32_t autoRateDays = 0;  // rate automatically below this many days left
    std::string avatarImage;        // the avatar picture's bytes as downloaded
    std::string popupAddress;       // the address the popup browser window opens
    // The one request object of the run; empty when it could not be made, and
    // then every marketplace request fails quietly.
    std::unique_ptr<HttpRequest> httpRequest;
};

}  // namespace tesmira
