#include "rating/encode_form_value.h"

namespace tesmira {
namespace {

bool isKept(unsigned char byte) {
    return (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') ||
           (byte >= 'A' && byte <= 'Z') || byte == '.' || byte == '-' || byte == '_';
}

void appendPercent(std::string& out, unsigned char byte) {
    static constexpr char hex[] = "0123456789ABCDEF";
    out += '%';
    out += hex[byte >> 4];
    out += hex[byte & 0x0F];
}

}  // namespace

std::string encodeFormValue(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x7F) {
            appendPercent(out, byte);
            if (i + 1 < text.size()) {
                appendPercent(out, static_cast<unsigned char>(text[++i]));
            }
        } else if (isKept(byte)) {
            out += static_cast<char>(byte);
        } else {
            appendPercent(out, byte);
        }
    }
    return out;
}

}  // namespace tesmira
