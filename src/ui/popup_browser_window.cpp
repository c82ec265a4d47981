#include "ui/popup_browser_window.h"

#include "app/lifecycle.h"
#include "ui/window_size.h"

namespace tesmira::ui {

PopupBrowserWindow::PopupBrowserWindow(Program& program, QWebEngineProfile* profile,
                                       CertificatePolicy policy, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      program_(program),
      page_(new BrowserPage(profile, std::move(policy), this)),
      view_(this),
      pane_(view_) {
    setWindowTitle(QStringLiteral("Tesmira"));
    setModal(true);
    fixOuterSize(*this, QSize(1004, 675));
    move(50, 50);
    view_.setPage(page_);
    view_.setGeometry(-144, -152, 1144, 800);
    onPopupWindowCreated(program_, pane_);
}

PopupBrowserWindow::~PopupBrowserWindow() {
    onPopupWindowDestroyed(program_);
    view_.setPage(nullptr);
    delete page_;
}

void PopupBrowserWindow::showEvent(QShowEvent* event) {
    fixOuterSize(*this, QSize(1004, 675));
    QDialog::showEvent(event);
}

}  // namespace tesmira::ui
