#include "text/local_time.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace tesmira {
namespace {

constexpr std::int64_t secondsPerDay = 86400;

bool isAsciiBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads between minDigits and maxDigits decimal digits at `position`.
std::optional<int> readNumber(std::string_view text, std::size_t& position, int minDigits,
                              int maxDigits) {
    int value = 0;
    int digits = 0;
    while (position < text.size() && digits < maxDigits && text[position] >= '0' &&
           text[position] <= '9') {
        value = value * 10 + (text[position] - '0');
        ++position;
        ++digits;
    }
    if (digits < minDigits) {
        return std::nullopt;
    }
    return value;
}

bool expect(std::string_view text, std::size_t& position, char separator) {
    if (position < text.size() && text[position] == separator) {
        ++position;
        return true;
    }
    return false;
}

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

}  // namespace

LocalTime localTimeOf(int year, int month, int day, int hour, int minute, int second) {
    using namespace std::chrono;
    const auto date =
        sys_days(std::chrono::year(year) / std::chrono::month(month) / std::chrono::day(day));
    const std::int64_t days = date.time_since_epoch().count();
    return LocalTime{days * secondsPerDay + hour * 3600 + minute * 60 + second};
}

LocalTime earliestLocalTime() {
    return localTimeOf(100, 1, 1);
}
LocalTime latestLocalTime() {
    return localTimeOf(9999, 12, 31, 23, 59, 59);
}

std::optional<LocalTime> parseTimeText(std::string_view text) {
    while (!text.empty() && isAsciiBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isAsciiBlank(text.back())) {
        text.remove_suffix(1);
    }
    std::size_t at = 0;
    const auto year = readNumber(text, at, 4, 4);
    if (!year || !expect(text, at, '-'))
        return std::nullopt;
    const auto month = readNumber(text, at, 1, 2);
    if (!month || !expect(text, at, '-'))
        return std::nullopt;
    const auto day = readNumber(text, at, 1, 2);
    if (!day || !expect(text, at, ' '))
        return std::nullopt;
    const auto hour = readNumber(text, at, 1, 2);
    if (!hour || !expect(text, at, ':'))
        return std::nullopt;
    const auto minute = readNumber(text, at, 1, 2);
    if (!minute || !expect(text, at, ':'))
        return std::nullopt;
    const auto second = readNumber(text, at, 1, 2);
    if (!second || at != text.size())
        return std::nullopt;

    if (*month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(*year, *month) || *hour > 23 ||
        *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    return localTimeOf(*year, *month, *day, *hour, *minute, *second);
}

LocalTime readTimeText(std::string_view text) {
    const LocalTime time = parseTimeText(text).value_or(earliestLocalTime());
    return std::clamp(time, earliestLocalTime(), latestLocalTime());
}

namespace {

class SystemClock final : public Clock {
public:
    LocalTime now() const override {
        const std::time_t utc = std::time(nullptr);
        std::tm local{};
#ifdef _WIN32
        localtime_s(&local, &utc);
#else
        localtime_r(&utc, &local);
#endif
        return localTimeOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                           local.tm_min, local.tm_sec);
    }
};

}  // namespace

const Clock& systemClock() {
    static const SystemClock clock;
    return clock;
}

}  // namespace tesmira
