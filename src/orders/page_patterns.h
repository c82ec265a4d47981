#pragma once
// What the program reads from the marketplace's order pages. Each pattern is
// literal texts joined by lazy gaps, searched with the program's pattern
// helper ("." matching line breaks too).

#include <string_view>

namespace tesmira {

// One order of the sold-orders data: buyer (group 1), order number (2) and the
// rating status (3). The buyer's name is the "userID" of the chat link.
inline constexpr std::string_view soldOrderRowPattern =
    R"~(userID=(.*?)&.*?&orderid=(.*?)".*?"style":"t16","text":"(.*?)")~";

// The current page number of the sold-orders data.
inline constexpr std::string_view currentPagePattern = R"~(currentPage":(.*?),")~";

// The deal time of an order detail page: the data field named "成交时间:",
// or else the confirmation time element.
inline constexpr std::string_view dealTimePattern =
    "\"name\":\"\xB3\xC9\xBD\xBB\xCA\xB1\xBC\xE4:\",\"value\":\"(.*?)\"";
inline constexpr std::string_view confirmTimePattern = R"~(class="confirm-time">(.*?)</span>)~";

}  // namespace tesmira
