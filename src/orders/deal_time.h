#pragma once
// The rating period of an order: the marketplace lets the seller rate the
// buyer for 15 days after the deal.

#include <string>
#include <string_view>

#include "text/local_time.h"

namespace tesmira {

inline constexpr int ratingPeriodDays = 15;

// The days left before the rating period of a deal ends, to one decimal and
// followed by "天", for example "12.3天"; a deadline passed by less than
// 0.05 days reads "-0.0天".
std::string daysLeftText(const Clock& clock, LocalTime dealTime);

// Orders two time texts as points in time: 1 when `a` is later, -1 when it is
// earlier, 0 when they are equal. Unreadable texts stand for 1 January 100.
int compareTimes(std::string_view a, std::string_view b);

}  // namespace tesmira
