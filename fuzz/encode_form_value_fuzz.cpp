// Form-value encoding: any standard percent-decoder gives the input back,
// byte for byte, and the encoding holds nothing a form body could misread.

#include "fuzz_input.h"
#include "rating/encode_form_value.h"

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// application/x-www-form-urlencoded as a server reads it: "+" is a space,
// "%" and two hex digits a byte.
std::string formDecode(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            bytes += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
                   hexValue(text[i + 2]) >= 0) {
            bytes += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tesmira;
    fuzz::SlowInputWatch watch(data, size);
    const std::string_view input = fuzz::textOf(data, size);
    const std::string encoded = encodeFormValue(input);
    for (const char c : encoded) {
        const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                           (c >= 'a' && c <= 'z') || c == '.' || c == '-' || c == '_' || c == '%';
        fuzz::require(plain, "the encoding holds only unreserved characters and escapes");
    }
    fuzz::require(formDecode(encoded) == input, "decoding gives the input back");
    return 0;
}
