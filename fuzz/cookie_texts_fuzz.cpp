// Cookie listings as the cookie store gives them, and addresses: names,
// domains and the merge of an older and a newer listing.

#include "fuzz_input.h"
#include "session/cookie_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tesmira;
    fuzz::SlowInputWatch watch(data, size);
    const std::string_view input = fuzz::textOf(data, size);
    const std::size_t half = size / 2;
    const std::string merged = mergeCookieListings(input.substr(0, half), input.substr(half));
    fuzz::require(merged.size() <= 2 * size + 2, "a merge adds no more than separators");
    fuzz::require(cookieNameOf(input).size() <= size, "a name lies within its entry");
    fuzz::require(cookieDomainOf(input).size() <= size, "a domain lies within its address");
    return 0;
}
