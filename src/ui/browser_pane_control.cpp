#include "ui/browser_pane_control.h"

#include <QWebEnginePage>

#include "ui/gbk_qt.h"

namespace tesmira::ui {

BrowserPaneControl::BrowserPaneControl(QWebEngineView& view, QList<QWidget*> chrome) : view_(view) {
    for (QWidget* band : chrome)
        chrome_.append(band);
}

void BrowserPaneControl::navigate(std::string_view address) {
    view_.setUrl(QUrl(fromGbk(address)));
}

void BrowserPaneControl::reload() {
    view_.reload();
}

void BrowserPaneControl::show() {
    view_.setVisible(true);
}

void BrowserPaneControl::hide() {
    view_.setVisible(false);
}

void BrowserPaneControl::raise() {
    view_.raise();
    for (const QPointer<QWidget>& band : chrome_)
        if (band)
            band->raise();
}

void BrowserPaneControl::lower() {
    view_.lower();
}

std::string BrowserPaneControl::address() const {
    return toGbk(view_.url().toString(QUrl::FullyEncoded));
}

void BrowserPaneControl::runScript(std::string_view script) {
    view_.page()->runJavaScript(fromGbk(script));
}

void BrowserPaneControl::watchDocuments(
    std::function<void(const std::string& address, const std::string& html)> loaded) {
    QObject::connect(view_.page(), &QWebEnginePage::loadFinished, &view_,
                     [this, loaded = std::move(loaded)](bool ok) {
                         if (!ok)
                             return;
                         const std::string address =
                             toGbk(view_.url().toString(QUrl::FullyEncoded));
                         // The document is read asynchronously; a pane gone
                         // meanwhile has no watcher left to tell.
                         QPointer<QWebEngineView> view(&view_);
                         view_.page()->toHtml([view, address, loaded](const QString& html) {
                             if (view)
                                 loaded(address, toGbk(html));
                         });
                     });
}

}  // namespace tesmira::ui
