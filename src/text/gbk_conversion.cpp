#include "text/gbk_conversion.h"

#include <iconv.h>

#include <cerrno>

namespace tesmira {
namespace {

std::optional<std::string> convert(std::string_view input, const char* from, const char* to) {
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string output(input.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0) {
        return std::nullopt;
    }
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace

std::optional<std::string> utf8FromGbk(std::string_view gbkText) {
    return convert(gbkText, "GBK", "UTF-8");
}

std::optional<std::string> gbkFromUtf8(std::string_view utf8Text) {
    return convert(utf8Text, "UTF-8", "GBK");
}

}  // namespace tesmira
