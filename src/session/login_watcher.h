#pragma once
// Follows the seller's login in the browser pane by the addresses of its
// pages. The first test that an address passes decides; the tests look for
// a host followed by a path anywhere in the address.

#include <string_view>

#include "app/program.h"

namespace tesmira {

// Before the pane leaves for `address`.
void aboutToNavigate(Program& program, std::string_view address);

// When a document of the pane has loaded; `html` is its document in GBK.
void documentLoaded(Program& program, std::string_view address, std::string_view html);

// The script that switches the marketplace's login page to its
// account-and-password form.
inline constexpr std::string_view switchToPasswordLoginScript =
    "var e = document.getElementById('J_Quick2Static'); if (e) e.click();";

}  // namespace tesmira
