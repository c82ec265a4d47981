#pragma once
// The page of a browser pane: silent (no dialogs of its own), reporting each
// navigation before it happens, refusing certificates that the trust policy
// does not accept, and sending new windows to the system's browser.

#include <QWebEnginePage>
#include <functional>

namespace tesmira::ui {

// Whether a certificate the system's roots refused may be accepted anyway:
// the demo accepts a chain that ends in the simulated marketplace's own
// authority; the program itself accepts none.
using CertificatePolicy =
    std::function<bool(const QList<QSslCertificate>& chain, const QString& hostName)>;

class BrowserPage final : public QWebEnginePage {
    Q_OBJECT
public:
    BrowserPage(QWebEngineProfile* profile, CertificatePolicy policy, QObject* parent);

    // Before the main frame leaves for `url`; the navigation goes on unless
    // it answers false.
    std::function<bool(const QUrl& url)> onAboutToNavigate;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptAlert(const QUrl&, const QString&) override {}
    bool javaScriptConfirm(const QUrl&, const QString&) override { return false; }
    bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override {
        return false;
    }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                  const QString&) override {}
    QStringList chooseFiles(FileSelectionMode, const QStringList&, const QStringList&) override {
        return {};
    }

private:
    CertificatePolicy policy_;
};

}  // namespace tesmira::ui
