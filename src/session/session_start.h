#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/program.h"

namespace tesmira {

// The account's profile on its home page: the avatar address (group 1), the
// account's name (2) and its numeric id (3).
inline constexpr std::string_view profilePattern =
    "\xB1\xE0\xBC\xAD\xD7\xCA\xC1\xCF</span>.*?src=\"//"
    "(.*?)\">.*?value=\"(.*?)\".*?value=\"(.*?)\"";  // 编辑资料</span>...

struct AccountProfile {
    std::string avatarAddress;  // without its scheme
    std::string accountName;
    std::string sellerNumId;
};

// The profile fragment of a home page; none when the page has none.
std::optional<AccountProfile> readAccountProfile(std::string_view homePage);

// Turns the logged-in home page into a working session: the profile, the
// account's settings, the avatar in the title, icon and tray, then the
// sold-orders query from page 1. A page without the profile changes nothing.
void startSession(Program& program, std::string_view homePage);

// The window icon: a 3262-byte single-image icon file whose colour pixels are
// the avatar scaled to 32 x 32 (24-bit rows, bottom row first, blue-green-red).
std::string buildWindowIcon(std::string_view iconPixels);

}  // namespace tesmira
