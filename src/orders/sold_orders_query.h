#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/program.h"

namespace tesmira {

inline constexpr int soldOrdersPageSize = 15;

// The sold-orders query form for a page: 33 fields, the seller's id as it stands.
std::string soldOrdersQueryBody(int pageNumber, std::string_view sellerNumId);

// Reads the unrated sold orders from `pageNumber` on into the two lists, page
// after page while a page brings exactly 15, then runs the deadline lookup.
void querySoldOrders(Program& program, int pageNumber);

struct SoldOrderRow {
    std::string buyerName;
    std::string orderId;
    std::string status;  // which side has rated, as the marketplace writes it
};

struct SoldOrdersPage {
    std::vector<SoldOrderRow> rows;
    int currentPage;  // as the page names itself; the row count + 1 when it does not
};

// The rows and the page number of a query's answer; none when the answer
// has no data section.
std::optional<SoldOrdersPage> readSoldOrdersPage(std::string_view answer);

}  // namespace tesmira
