#pragma once
// Times as the marketplace writes them: local wall-clock times with no zone,
// compared and subtracted on one continuous line of seconds, as the seller's
// own calendar reads them.

#include <compare>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tesmira {

struct LocalTime {
    std::int64_t secondsSinceEpoch = 0;  // seconds after 1970-01-01 00:00:00, local

    auto operator<=>(const LocalTime&) const = default;
};

// The range every time is limited to: 1 January 100 to 31 December 9999.
LocalTime earliestLocalTime();
LocalTime latestLocalTime();

// Local time from calendar fields (proleptic Gregorian), no range check.
LocalTime localTimeOf(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// Reads "YYYY-MM-DD HH:MM:SS" (ASCII blanks around it allowed, the fields of
// one or two digits after the year); empty when the text is no such valid time.
std::optional<LocalTime> parseTimeText(std::string_view text);

// As parseTimeText, with an unreadable text standing for 1 January 100 and the
// result limited to the range above.
LocalTime readTimeText(std::string_view text);

// The current local time. The program passes the system clock; tests pass a
// clock whose "now" they set.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
};

const Clock& systemClock();

}  // namespace tesmira
