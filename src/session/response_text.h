#pragma once

#include <string>
#include <string_view>

namespace tesmira {

// An answer's body as text: its bytes up to the first zero byte, taken as GBK
// as they stand.
std::string responseText(std::string_view bytes);

}  // namespace tesmira
