#pragma once
// The two timers and the double clicks on the order lists.

#include "app/program.h"

namespace tesmira {

// Good-rates every pendingList order whose days left, as shown to one
// decimal, are under the threshold, and brings the others' days left up to date.
void autoRateTick(Program& program);
// Reloads the pane's page.
void refreshTick(Program& program);
// Rates the selected pendingList order good.
void pendingDoubleClick(Program& program);
// Rates the selected ratedList order bad, then shows its rating detail.
void ratedDoubleClick(Program& program);

}  // namespace tesmira
