#pragma once
// MainWindow: the borderless 925 x 640 window with its title band, the two
// order lists under their captions, the login pane, the status bar, the
// timers, the tray icon and the order menu. It implements the window's own
// controls for the handlers and connects every event to its handler.

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QWebEngineView>
#include <QWidget>
#include <memory>
#include <optional>

#include "app/program.h"
#include "app/window_chrome.h"
#include "ui/browser_page.h"
#include "ui/browser_pane_control.h"
#include "ui/order_list_control.h"
#include "ui/picture_scaler.h"
#include "ui/small_controls.h"
#include "ui/tray_icon_control.h"

class QWebEngineProfile;

namespace tesmira::ui {

struct MainWindowOptions {
    QWebEngineProfile* profile = nullptr;  // shared by both panes
    CertificatePolicy certificatePolicy;
    double pauseScale = 1;
    // Ends the process once the shared state is released.
    std::function<void()> endProcess;
};

class MainWindow final : public QWidget, public MainWindowView, public PopupOpener {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowOptions options);
    ~MainWindow() override;

    // The controls the handlers use, for the Program value.
    Controls controls(const Clock& clock);
    // Connects the events to the handlers and opens the pane's start address.
    void attach(Program& program);

    // MainWindowView
    void setWindowVisible(bool visible) override;
    void setTitle(std::string_view title) override;
    void setIcon(std::string_view iconBytes) override;
    void setTitleLabel(std::string_view text) override;
    void setLogoPicture(std::string_view imageBytes) override;
    void setSettingsEnabled(bool enabled) override;
    void setCaptionsVisible(bool visible) override;
    void endProgram() override;
    // PopupOpener
    void openPopupWindow() override;

    // The controls by role, for the windows' tests and screenshots.
    QTreeWidget& pendingListView() { return pendingView_; }
    QTreeWidget& ratedListView() { return ratedView_; }
    QWebEngineView& loginBrowserView() { return loginView_; }
    QPushButton& settingsButton() { return settingsButton_; }
    QPushButton& minimizeButton() { return minimizeButton_; }
    QPushButton& closeButton() { return closeButton_; }
    QLabel& titleLabel() { return titleLabel_; }
    QLabel& statusText() { return statusPart_; }
    QMenu& orderMenu() { return orderMenu_; }
    TrayIconControl& trayIcon() { return tray_; }
    TimerControl& autoRateTimer() { return autoRateTimer_; }
    TimerControl& refreshTimer() { return refreshTimer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindowOptions options_;
    Program* program_ = nullptr;

    QWidget titleShape_;
    QLabel logoPicture_, titleLabel_;
    QWidget titleCanvas_;
    QPushButton settingsButton_, minimizeButton_, closeButton_;
    QLabel overlayLabel1_, overlayLabel2_;
    QTreeWidget pendingView_, ratedView_;
    BrowserPage* loginPage_;
    QWebEngineView loginView_;
    QWidget statusBar_;
    QLabel statusFixedPart_, statusPart_;
    QMenu orderMenu_;
    QAction* copyOrderItem_;
    QAction* rateSelectedItem_;

    OrderListControl pendingList_, ratedList_;
    StatusBarControl status_;
    TimerControl autoRateTimer_, refreshTimer_;
    BrowserPaneControl loginBrowser_;
    TrayIconControl tray_;
    ClipboardControl clipboard_;
    EventPauseControl pause_;
    PictureScalerControl pictures_;

    bool startNavigationSeen_ = false;
    std::optional<QPoint> dragOffset_;  // where a drag by hand began, inside the window

    void layOut();
    void connectEvents();
    void openOrderMenu(ListRole list);
    void openSettings();
};

}  // namespace tesmira::ui
