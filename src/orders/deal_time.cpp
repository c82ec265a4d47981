#include "orders/deal_time.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "text/gbk_texts.h"

namespace tesmira {
namespace {

// Rounds half away from zero to one decimal; the tiny addend keeps values
// such as 2.25, whose tenfold is 22.5 give or take a rounding error, going up.
double roundedMagnitude(double value) {
    const double scaled = std::fabs(value) * 10 + 1e-12;
    const double whole = std::floor(scaled);
    return (scaled - whole >= 0.5 ? whole + 1 : whole) / 10;
}

}  // namespace

std::string daysLeftText(const Clock& clock, LocalTime dealTime) {
    const LocalTime now = std::clamp(clock.now(), earliestLocalTime(), latestLocalTime());
    dealTime = std::clamp(dealTime, earliestLocalTime(), latestLocalTime());
    const double elapsedDays =
        static_cast<double>(now.secondsSinceEpoch - dealTime.secondsSinceEpoch) / 86400.0;
    const double left = ratingPeriodDays - elapsedDays;

    char digits[32];
    std::snprintf(digits, sizeof digits, "%.13g", roundedMagnitude(left));
    std::string text = left < 0 ? "-" : "";
    text += digits;
    if (text.find('.') == std::string::npos) {
        text += ".0";
    }
    text += gbk::daysUnit;
    return text;
}

int compareTimes(std::string_view a, std::string_view b) {
    const LocalTime first = readTimeText(a);
    const LocalTime second = readTimeText(b);
    return first > second ? 1 : first < second ? -1 : 0;
}

}  // namespace tesmira
