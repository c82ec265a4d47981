#include "orders/text_between.h"

#include <algorithm>
#include <cstdint>

#include "session/response_text.h"

namespace tesmira {

// Positions count from 1, as the marketplace readers were first written; -1
// stands for "not found".
std::string textBetween(std::string_view source, std::string_view startMarker,
                        std::string_view endMarker) {
    const auto size = static_cast<std::int64_t>(source.size());
    const auto found = source.find(startMarker);
    const std::int64_t p =
        found == std::string_view::npos ? -1 : static_cast<std::int64_t>(found) + 1;
    const std::int64_t a = p + static_cast<std::int64_t>(startMarker.size());

    const std::int64_t searchFrom = std::max<std::int64_t>(a, 1);
    std::int64_t q = -1;
    if (searchFrom <= size + 1) {
        const auto end = source.find(endMarker, static_cast<std::size_t>(searchFrom - 1));
        q = end == std::string_view::npos ? -1 : static_cast<std::int64_t>(end) + 1;
    }

    const std::int64_t from = std::clamp<std::int64_t>(a, 1, size + 1);
    const std::int64_t count = std::min(q - a, size + 1 - from);
    if (count <= 0) {
        return {};
    }
    return responseText(
        source.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(count)));
}

}  // namespace tesmira
