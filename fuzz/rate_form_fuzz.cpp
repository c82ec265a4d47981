// The rating form: its head and item patterns, and the body built from what
// they read.

#include "fuzz_input.h"
#include "rating/encode_form_value.h"
#include "rating/rate_form.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tesmira;
    fuzz::SlowInputWatch watch(data, size);
    const auto form = readRateForm(fuzz::textOf(data, size));
    if (form) {
        const std::string_view content = "\xBA\xC3\xC6\xC0 & = %";  // 好评 & = %
        const std::string body = ratingBody(*form, content, "1");
        fuzz::require(body.rfind("_tb_token_=", 0) == 0, "the body starts with the token");
        // Every item carries the rating and the text, encoded.
        const std::string text = "=" + encodeFormValue(content);
        std::size_t carried = 0;
        for (std::size_t at = body.find(text); at != std::string::npos;
             at = body.find(text, at + 1))
            ++carried;
        fuzz::require(carried >= form->items.size(), "every item carries the rating's text");
    }
    return 0;
}
