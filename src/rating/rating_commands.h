#pragma once

#include "app/program.h"

namespace tesmira {

// The order menu's "rate selected orders": every selected row of the list
// the menu was opened over, good from pendingList, bad (with the order's
// preset, else the general bad text) from ratedList, last selected first.
void rateSelectedOrders(Program& program);

}  // namespace tesmira
