#include "session/session_start.h"

#include "orders/sold_orders_query.h"
#include "settings/settings_store.h"
#include "text/gbk_texts.h"
#include "text/pattern.h"

namespace tesmira {
namespace {

constexpr std::size_t iconSize = 3262;
constexpr std::size_t pixelOffset = 62;
constexpr std::size_t pixelBytes = 32 * 32 * 3;

void putLittleEndian(std::string& bytes, std::size_t offset, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// The icon template the program carries: one 32 x 32 image of 24 bits with an
// all-opaque mask; only its colour pixels change.
std::string iconTemplate() {
    std::string bytes(iconSize, '\0');
    putLittleEndian(bytes, 2, 1, 2);      // resource type: icon
    putLittleEndian(bytes, 4, 1, 2);      // one image
    bytes[6] = 32;                        // width
    bytes[7] = 32;                        // height
    putLittleEndian(bytes, 14, 3240, 4);  // size of the image data
    putLittleEndian(bytes, 18, 22, 4);    // offset of the image data
    putLittleEndian(bytes, 22, 40, 4);    // bitmap header size
    putLittleEndian(bytes, 26, 32, 4);    // bitmap width
    putLittleEndian(bytes, 30, 64, 4);    // height of colour and mask together
    putLittleEndian(bytes, 34, 1, 2);     // planes
    putLittleEndian(bytes, 36, 24, 2);    // bits per pixel
    putLittleEndian(bytes, 42, 3200, 4);  // image size
    return bytes;
}

}  // namespace

std::string buildWindowIcon(std::string_view iconPixels) {
    std::string icon = iconTemplate();
    std::string pixels(iconPixels.substr(0, pixelBytes));
    pixels.resize(pixelBytes, '\xFF');  // where the canvas holds no picture it stays white
    icon.replace(pixelOffset, pixelBytes, pixels);
    return icon;
}

std::optional<AccountProfile> readAccountProfile(std::string_view homePage) {
    static const Pattern profile(profilePattern);
    const auto match = profile.findFirst(homePage);
    if (!match) {
        return std::nullopt;
    }
    return AccountProfile{match->group(1), match->group(2), match->group(3)};
}

void startSession(Program& program, std::string_view homePage) {
    const auto profile = readAccountProfile(homePage);
    if (!profile) {
        return;
    }
    SharedState& state = program.state;
    Controls& c = program.controls;
    state.accountName = profile->accountName;
    state.sellerNumId = profile->sellerNumId;
    loadRateTexts(program.settingsDirectory, state);
    loadAutoRateDays(program.settingsDirectory, state);

    state.avatarImage = httpExchange(state.httpRequest.get(), "get",
                                     "https://" + program.hosts.avatarHost +
                                         "/avatar/getAvatar.do?userId=" + state.sellerNumId +
                                         "&width=80&height=80&type=sns");
    const std::string icon = buildWindowIcon(c.pictures.iconPixels(state.avatarImage));
    c.window.setIcon(icon);
    c.trayIcon.setIcon(icon);
    c.trayIcon.setTip(state.accountName);
    c.window.setLogoPicture(state.avatarImage);
    c.window.setTitleLabel(state.accountName);
    c.window.setTitle(state.accountName);
    state.activeListName = gbk::pendingListName;
    c.window.setSettingsEnabled(true);
    querySoldOrders(program, 1);
}

}  // namespace tesmira
