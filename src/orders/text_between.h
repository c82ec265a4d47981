#pragma once

#include <string>
#include <string_view>

namespace tesmira {

// The bytes of `source` after the first `startMarker`, up to the first
// `endMarker` that follows it, cut at a zero byte. When the start marker is
// missing the text is read from the byte at the marker's length minus one
// (counting from one), as the sold-orders page reader has always done.
std::string textBetween(std::string_view source, std::string_view startMarker,
                        std::string_view endMarker);

}  // namespace tesmira
