#pragma once
// The notification-area icon: there from start-up to exit; a left click on it
// brings the main window back.

#include <QSystemTrayIcon>
#include <functional>

#include "app/controls.h"

namespace tesmira::ui {

class TrayIconControl final : public TrayIcon {
public:
    explicit TrayIconControl(std::function<void()> onClick);
    void showBalloon(std::string_view title, std::string_view text, int milliseconds) override;
    void setTip(std::string_view tip) override;
    void setIcon(std::string_view iconBytes) override;

    QSystemTrayIcon& icon() { return icon_; }
    // What the last balloon said, for a desktop that cannot show one.
    QString lastBalloonTitle, lastBalloonText;

private:
    QSystemTrayIcon icon_;
};

// The program's own pictures, drawn in code: the title band's logo (128 x 128)
// and the tray icon before login (32 x 32).
QPixmap logoPixmap();
QIcon startIcon();

}  // namespace tesmira::ui
