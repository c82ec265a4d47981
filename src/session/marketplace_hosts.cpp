#include "session/marketplace_hosts.h"

namespace tesmira {

MarketplaceHosts productionHosts() {
    return MarketplaceHosts{
        .homeHost = TESMIRA_HOME_HOST,
        .loginHost = TESMIRA_LOGIN_HOST,
        .securityHost = TESMIRA_SECURITY_HOST,
        .errorHost = TESMIRA_ERROR_HOST,
        .tradeArchiveHost = TESMIRA_TRADE_ARCHIVE_HOST,
        .tradeHost = TESMIRA_TRADE_HOST,
        .buyerTradeHost = TESMIRA_BUYER_TRADE_HOST,
        .rateHost = TESMIRA_RATE_HOST,
        .avatarHost = TESMIRA_AVATAR_HOST,
        .cookieDomain = TESMIRA_COOKIE_DOMAIN,
    };
}

}  // namespace tesmira
