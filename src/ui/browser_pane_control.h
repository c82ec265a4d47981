#pragma once
// A browser pane as the handlers see it, over a QWebEngineView.

#include <QPointer>
#include <QWebEngineView>
#include <functional>

#include "app/controls.h"

namespace tesmira::ui {

class BrowserPaneControl final : public LoginPane {
public:
    // `chrome`: the window's own bands (title, status), kept above the pane
    // even when it is raised, so that the window can always be moved, closed
    // and read.
    BrowserPaneControl(QWebEngineView& view, QList<QWidget*> chrome = {});

    void navigate(std::string_view address) override;
    void reload() override;
    void show() override;
    void hide() override;
    void raise() override;
    void lower() override;
    std::string address() const override;
    void runScript(std::string_view script) override;

    // Tells `loaded` of each document that has finished loading: its address
    // and its HTML in GBK.
    void watchDocuments(
        std::function<void(const std::string& address, const std::string& html)> loaded);

    QWebEngineView& view() { return view_; }

private:
    QWebEngineView& view_;
    QList<QPointer<QWidget>> chrome_;
};

}  // namespace tesmira::ui
