# The marketplace's host names, one per role. The production build uses the
# marketplace's own hosts; a build can point elsewhere by setting these. Tests
# and the demo hand the logic other hosts at run time instead.
set(TESMIRA_HOME_HOST "i.taobao.com" CACHE STRING "Account home page host")
set(TESMIRA_LOGIN_HOST "login.taobao.com" CACHE STRING "Login page host")
set(TESMIRA_SECURITY_HOST "sec.taobao.com" CACHE STRING "Verification-code page host")
set(TESMIRA_ERROR_HOST "err.taobao.com" CACHE STRING "Error page host")
set(TESMIRA_TRADE_ARCHIVE_HOST "tradearchive.taobao.com" CACHE STRING "Archived trade detail host")
set(TESMIRA_TRADE_HOST "trade.taobao.com" CACHE STRING "Sold-orders list host")
set(TESMIRA_BUYER_TRADE_HOST "buyertrade.taobao.com" CACHE STRING "Order detail host")
set(TESMIRA_RATE_HOST "rate.taobao.com" CACHE STRING "Rating form host")
set(TESMIRA_AVATAR_HOST "wwc.alicdn.com" CACHE STRING "Avatar picture host")
set(TESMIRA_COOKIE_DOMAIN "taobao.com" CACHE STRING "Domain whose cookies the close button clears")
