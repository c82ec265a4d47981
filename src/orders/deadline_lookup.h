#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/program.h"

namespace tesmira {

// Fetches the deal time of every pendingList row that has none, one order
// detail page a second, writes it and the days left, sorts the list by deal
// time and starts both timers. Stops at the first page that fails and sends
// the pane to a trade page, whose load resumes the lookup (login watcher).
void lookUpDeadlines(Program& program);

// The deal time an order detail page shows: its data field, else its
// confirm-time element; none when it shows neither.
std::optional<std::string> readDealTime(std::string_view detailPage);

// Sorts pendingList by the time texts of `column`, earliest first.
void sortPendingByTime(Program& program, int column);

}  // namespace tesmira
