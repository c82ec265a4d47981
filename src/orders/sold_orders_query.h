#pragma once

#include <string>
#include <string_view>

#include "app/program.h"

namespace tesmira {

inline constexpr int soldOrdersPageSize = 15;

// The sold-orders query form for a page: 33 fields, the seller's id as it stands.
std::string soldOrdersQueryBody(int pageNumber, std::string_view sellerNumId);

// Reads the unrated sold orders from `pageNumber` on into the two lists, page
// after page while a page brings exactly 15, then runs the deadline lookup.
void querySoldOrders(Program& program, int pageNumber);

}  // namespace tesmira
