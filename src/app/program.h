#pragma once
// The application's one Program value: the shared state, the marketplace it
// talks to, where the settings live, the shared cookie store, and the
// controls. Every handler takes it; nothing of it is global.

#include <filesystem>
#include <memory>

#include "app/controls.h"
#include "app/shared_state.h"
#include "session/cookie_store.h"
#include "session/marketplace_hosts.h"
#include "text/local_time.h"

namespace tesmira {

struct Controls {
    OrderList& pendingList;
    OrderList& ratedList;
    StatusBar& statusBar;
    Timer& autoRateTimer;
    Timer& refreshTimer;
    LoginPane& loginBrowser;
    PopupOpener& popup;
    Clipboard& clipboard;
    TrayIcon& trayIcon;
    EventPause& events;
    MainWindowView& window;
    const PictureScaler& pictures;
    const Clock& clock;
};

struct Program {
    SharedState state;
    MarketplaceHosts hosts;
    std::filesystem::path settingsDirectory;
    CookieStore& cookies;
    Controls controls;
};

}  // namespace tesmira
