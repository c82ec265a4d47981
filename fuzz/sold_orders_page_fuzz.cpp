// The sold-orders query's answer: the data section between its markers, the
// rows and the page number.

#include "fuzz_input.h"
#include "orders/sold_orders_query.h"
#include "orders/text_between.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tesmira;
    fuzz::SlowInputWatch watch(data, size);
    const std::string_view answer = fuzz::textOf(data, size);
    const auto page = readSoldOrdersPage(answer);
    if (page) {
        for (const SoldOrderRow& row : page->rows)
            fuzz::require(row.orderId.size() <= answer.size(), "a row lies within the answer");
    }
    // The markers themselves taken from the input, as a page could choose them.
    const std::size_t third = size / 3;
    const std::string between =
        textBetween(answer.substr(0, third), answer.substr(third, third), answer.substr(2 * third));
    fuzz::require(between.size() <= third, "the text between lies within the source");
    return 0;
}
