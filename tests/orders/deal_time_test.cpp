#include "orders/deal_time.h"

#include <gtest/gtest.h>

#include "support/fixed_clock.h"
#include "support/gbk_text.h"

namespace tesmira {
namespace {

constexpr std::int64_t hour = 3600;
constexpr std::int64_t day = 24 * hour;

TEST(DaysLeftText, CountsDownFifteenDaysFromTheDeal) {
    const LocalTime now = localTimeOf(2026, 12, 11, 9, 30, 0);
    const test::FixedClock clock(now);
    const std::pair<std::int64_t, std::string> cases[] = {
        // seconds before now, text
        {15 * day, "0.0"},
        {36 * hour, "13.5"},
        {16 * day + 12 * hour, "-1.5"},
        {0, "15.0"},
        {-2 * day, "17.0"},                                // a deal time after now
        {static_cast<std::int64_t>(2.66 * day), "12.3"},   // 12.34 left
        {static_cast<std::int64_t>(2.04 * day), "13.0"},   // 12.96 left
        {static_cast<std::int64_t>(17.25 * day), "-2.3"},  // -2.25 left, away from zero
        {static_cast<std::int64_t>(10.04 * day), "5.0"},   // 4.96 left: shown as 5.0
        {static_cast<std::int64_t>(10.06 * day), "4.9"},   // 4.94 left
        {15 * day + 60, "-0.0"},                           // just past the deadline keeps its sign
        {15 * day - 60, "0.0"},
    };
    for (const auto& [before, text] : cases) {
        EXPECT_EQ(daysLeftText(clock, LocalTime{now.secondsSinceEpoch - before}),
                  text + test::gbk("天"))
            << before << " s before now";
    }
}

TEST(DaysLeftText, AnUnreadableDealTimeIsFarBelowAnyThreshold) {
    const test::FixedClock clock(localTimeOf(2026, 12, 11));
    const std::string text = daysLeftText(clock, readTimeText("garbage"));
    EXPECT_EQ(text, "-703786.0" + test::gbk("天"));
}

TEST(CompareTimes, OrdersTimeTextsAsPointsInTime) {
    struct Case {
        std::string_view a, b;
        int result;
    };
    const Case cases[] = {
        {"2016-03-01 12:30:45", "2016-02-28 08:00:00", 1},
        {"2016-02-28 08:00:00", "2016-03-01 12:30:45", -1},
        {"2016-02-28 08:00:00", "2016-2-28 8:0:0", 0},
        {"garbage", "0100-01-01 00:00:00", 0},
        {"garbage", "1970-01-01 00:00:00", -1},
        {"", "", 0},
        {"2016-01-01 00:00:01", "2016-01-01 00:00:00", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(compareTimes(c.a, c.b), c.result) << c.a << " vs " << c.b;
    }
}

}  // namespace
}  // namespace tesmira
