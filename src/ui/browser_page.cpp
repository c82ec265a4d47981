#include "ui/browser_page.h"

#include <QDesktopServices>
#include <QWebEngineCertificateError>

namespace tesmira::ui {
namespace {

// Stands for the window a page asked for: its first navigation goes to the
// system's browser, and the page goes away.
class OutsideWindowPage final : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        if (isMainFrame && !opened_) {
            opened_ = true;
            QDesktopServices::openUrl(url);
            deleteLater();
        }
        return false;
    }

private:
    bool opened_ = false;
};

}  // namespace

BrowserPage::BrowserPage(QWebEngineProfile* profile, CertificatePolicy policy, QObject* parent)
    : QWebEnginePage(profile, parent), policy_(std::move(policy)) {
    connect(this, &QWebEnginePage::certificateError, this,
            [this](const QWebEngineCertificateError& error) {
                QWebEngineCertificateError answer = error;
                if (error.isOverridable() && policy_ &&
                    policy_(error.certificateChain(), error.url().host()))
                    answer.acceptCertificate();
                else
                    answer.rejectCertificate();
            });
}

bool BrowserPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    if (!isMainFrame || !onAboutToNavigate)
        return true;
    return onAboutToNavigate(url);
}

QWebEnginePage* BrowserPage::createWindow(WebWindowType) {
    return new OutsideWindowPage(profile(), this);
}

}  // namespace tesmira::ui
