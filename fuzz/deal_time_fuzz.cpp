// An order's detail page: the two time patterns, the time reader and the
// days left that the list shows.

#include "fuzz_input.h"
#include "orders/deadline_lookup.h"
#include "orders/deal_time.h"
#include "text/gbk_texts.h"

namespace {

struct FixedClock final : tesmira::Clock {
    tesmira::LocalTime now() const override { return tesmira::localTimeOf(2026, 12, 11, 9); }
};

bool endsInDays(const std::string& text) {
    return text.size() >= tesmira::gbk::daysUnit.size() &&
           text.compare(text.size() - tesmira::gbk::daysUnit.size(), std::string::npos,
                        tesmira::gbk::daysUnit) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tesmira;
    fuzz::SlowInputWatch watch(data, size);
    static const FixedClock clock;
    const std::string_view page = fuzz::textOf(data, size);
    const auto dealTime = readDealTime(page);
    std::vector<std::string> times = {std::string(page)};
    if (dealTime)
        times.push_back(*dealTime);
    for (const std::string& text : times) {
        const LocalTime time = readTimeText(text);
        fuzz::require(time >= earliestLocalTime() && time <= latestLocalTime(),
                      "a time read lies within the calendar's range");
        fuzz::require(endsInDays(daysLeftText(clock, time)), "days left end in their unit");
        fuzz::require(compareTimes(text, text) == 0, "a time equals itself");
    }
    return 0;
}
