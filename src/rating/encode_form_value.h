#pragma once

#include <string>
#include <string_view>

namespace tesmira {

// Percent-encodes a GBK text for the rating form's body: ASCII letters,
// digits, ".", "-" and "_" stay; every other byte becomes "%" and two
// upper-case hex digits. A byte of 0x7F or above starts a two-byte unit whose
// second byte is always encoded, even where it is an ASCII letter, as the
// marketplace's form expects.
std::string encodeFormValue(std::string_view text);

}  // namespace tesmira
