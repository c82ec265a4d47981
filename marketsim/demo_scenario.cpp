#include "demo_scenario.h"

namespace marketsim {

Scenario demoScenario(int orders) {
    Scenario scenario;
    // Newest half a day old, one every 9 hours: 36 orders reach back 13.6
    // days, so the oldest have under two days left.
    scenario.orders = Scenario::sampleOrders(orders, 0.5, 9);
    return scenario;
}

}  // namespace marketsim
