// Tesmira: the seller's program, on the marketplace's own hosts.

#include "session/marketplace_hosts.h"
#include "settings/settings_paths.h"
#include "ui/desktop_config.h"

int main(int argc, char** argv) {
    return tesmira::ui::runDesktop(argc, argv, [] {
        tesmira::ui::DesktopConfig config;
        config.hosts = tesmira::productionHosts();
        // Beside the program where it may write there, as sellers expect.
        config.settingsDirectory = tesmira::chooseSettingsDirectory(
            tesmira::programDirectory(), tesmira::userDataDirectory("Tesmira"));
        return config;
    });
}
