#pragma once
// PopupBrowserWindow: a fixed 1004 x 675 modal window whose one pane, larger
// than the window, shows the marketplace page in popupAddress with its top
// and left edges cut off.

#include <QDialog>
#include <QWebEngineView>

#include "app/program.h"
#include "ui/browser_page.h"
#include "ui/browser_pane_control.h"

class QWebEngineProfile;

namespace tesmira::ui {

class PopupBrowserWindow final : public QDialog {
    Q_OBJECT
public:
    PopupBrowserWindow(Program& program, QWebEngineProfile* profile, CertificatePolicy policy,
                       QWidget* owner);
    ~PopupBrowserWindow() override;

    QWebEngineView& popupBrowserView() { return view_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    Program& program_;
    BrowserPage* page_;
    QWebEngineView view_;
    BrowserPaneControl pane_;
};

}  // namespace tesmira::ui
