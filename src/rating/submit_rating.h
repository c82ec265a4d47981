#pragma once

#include <string_view>

#include "app/program.h"

namespace tesmira {

// Rates one order through the marketplace's own form: fetches it, posts the
// body built from it, and says whether the marketplace confirmed the rating.
// Changes no window state.
bool submitRating(Program& program, std::string_view orderId, std::string_view rateContent,
                  std::string_view rateValue);

}  // namespace tesmira
