#include "text/local_time.h"

#include <gtest/gtest.h>

namespace tesmira {
namespace {

TEST(LocalTime, ParsesTheMarketplaceForm) {
    const std::pair<std::string_view, std::optional<LocalTime>> cases[] = {
        {"2016-03-01 12:30:45", localTimeOf(2016, 3, 1, 12, 30, 45)},
        {" 2016-3-1 2:3:4\r\n", localTimeOf(2016, 3, 1, 2, 3, 4)},
        {"2016-02-29 00:00:00", localTimeOf(2016, 2, 29)},
        {"2015-02-29 00:00:00", std::nullopt},
        {"2016-13-01 00:00:00", std::nullopt},
        {"2016-01-01 24:00:00", std::nullopt},
        {"2016-01-01 12:30", std::nullopt},
        {"2016-01-01", std::nullopt},
        {"16-01-01 00:00:00", std::nullopt},
        {"2016-01-01 00:00:00x", std::nullopt},
        {"2016/01/01 00:00:00", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, time] : cases) {
        EXPECT_EQ(parseTimeText(text), time) << '"' << text << '"';
    }
}

TEST(LocalTime, UnreadableTextStandsForTheFirstOfJanuaryOfTheYear100) {
    EXPECT_EQ(readTimeText("not a time"), localTimeOf(100, 1, 1));
    EXPECT_EQ(readTimeText("0050-06-01 00:00:00"), localTimeOf(100, 1, 1))
        << "limited to the range";
    EXPECT_EQ(readTimeText("2026-12-11 08:00:00"), localTimeOf(2026, 12, 11, 8));
}

TEST(LocalTime, DaysAreContinuousAcrossMonthsAndLeapYears) {
    EXPECT_EQ(
        localTimeOf(2016, 3, 1).secondsSinceEpoch - localTimeOf(2016, 2, 28).secondsSinceEpoch,
        2 * 86400);
    EXPECT_EQ(localTimeOf(1970, 1, 1).secondsSinceEpoch, 0);
    EXPECT_LT(localTimeOf(100, 1, 1), localTimeOf(1969, 12, 31, 23, 59, 59));
}

}  // namespace
}  // namespace tesmira
