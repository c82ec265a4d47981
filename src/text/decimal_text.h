#pragma once

#include <cstdint>
#include <string_view>

namespace tesmira {

// Reads a text the way the program reads every decimal number it is given:
// leading white space skipped, an optional sign, then the digits up to the
// first other character; no digits read as 0. Values beyond the 32-bit range
// saturate instead of wrapping.
std::int32_t leadingInteger(std::string_view text);

}  // namespace tesmira
