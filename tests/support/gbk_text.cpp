#include "support/gbk_text.h"

#include <stdexcept>

#include "text/gbk_conversion.h"

namespace tesmira::test {

std::string gbk(std::string_view utf8) {
    auto converted = gbkFromUtf8(utf8);
    if (!converted) {
        throw std::invalid_argument("test text has no GBK form");
    }
    return *converted;
}

}  // namespace tesmira::test
