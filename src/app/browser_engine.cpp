#include "app/browser_engine.h"

#include "text/decimal_text.h"

namespace tesmira {

std::int32_t browserEngineVersionOf(std::string_view versionText) {
    const std::size_t firstDot = versionText.find('.');
    if (firstDot == std::string_view::npos) {
        return 0;
    }
    const std::size_t fieldStart = firstDot + 1;
    const std::size_t secondDot = versionText.find('.', fieldStart);
    if (secondDot == std::string_view::npos || secondDot == fieldStart) {
        return 0;
    }
    return leadingInteger(versionText.substr(fieldStart, secondDot - fieldStart));
}

std::optional<std::uint32_t> browserEmulationValue(std::int32_t version) {
    if (version >= 10)
        return 10000;
    if (version == 9)
        return 9999;
    if (version == 8)
        return 8888;
    return std::nullopt;
}

}  // namespace tesmira
