#pragma once
// The demo's marketplace: the seeded account and a few dozen orders, the
// oldest within two days of their deadline.

#include "scenario.h"

namespace marketsim {

Scenario demoScenario(int orders = 36);

}  // namespace marketsim
