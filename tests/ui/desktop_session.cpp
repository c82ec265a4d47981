#include "desktop_session.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWindow>
#include <memory>

namespace tesmira::test {

DesktopSession::DesktopSession(marketsim::Scenario scenario)
    : clock(localTimeOf(2026, 12, 11, 9, 0, 0)) {
    const LocalTime marketplaceNow = clock.now();
    scenario.now = [marketplaceNow] { return marketplaceNow; };
    marketplace = std::make_unique<marketsim::Marketplace>(std::move(scenario));
    if (!marketplace->start())
        qFatal("the simulated marketplace does not start");
    ui::DesktopConfig config;
    config.hosts = marketplace->hosts();
    config.settingsDirectory = settings.path();
    config.requestOptions.extraCaFile = marketplace->caFile();
    config.trustedAuthorityFile = marketplace->caFile();
    config.clock = &clock;
    config.pauseScale = 0.01;
    config.endProcess = [this] { ++endRequests; };
    desktop = std::make_unique<ui::DesktopProgram>(std::move(config));
    desktop->start();
}

QString DesktopSession::status() const {
    return desktop->window().statusText().text();
}

void DesktopSession::logInThroughThePane() {
    const marketsim::Account account;
    runScript(window().loginBrowserView(),
              QStringLiteral("document.getElementById('TPL_username_1').value = '%1';"
                             "document.getElementById('TPL_password_1').value = '%2';"
                             "document.getElementById('J_SubmitStatic').click(); true;")
                  .arg(QString::fromStdString(account.loginName),
                       QString::fromStdString(account.password)));
}

void whenModalOpens(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(20);
    auto deadline = std::make_shared<QDeadlineTimer>(20000);
    QObject::connect(poll, &QTimer::timeout, [poll, deadline, act = std::move(act)] {
        QWidget* modal = QApplication::activePopupWidget();
        if (modal == nullptr)
            modal = QApplication::activeModalWidget();
        if (deadline->hasExpired()) {
            // Nothing opened: the caller's checks will say so.
            poll->stop();
            poll->deleteLater();
            return;
        }
        if (modal == nullptr || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start();
}

void saveScreenshot(QWidget& window, const QString& name) {
    QDir().mkpath(QStringLiteral(TESMIRA_SCREENSHOT_DIR));
    // The screen's own picture of the window, so that the browser pane's
    // content is in it as the seller sees it.
    QTest::qWait(300);
    const QPixmap picture = window.screen()->grabWindow(window.winId());
    picture.save(QStringLiteral(TESMIRA_SCREENSHOT_DIR "/") + name);
}

void selectOnly(QTreeWidget& list, int row) {
    list.clearSelection();
    list.topLevelItem(row)->setSelected(true);
    list.setCurrentItem(list.topLevelItem(row), 0, QItemSelectionModel::NoUpdate);
}

QVariant runScript(QWebEngineView& view, const QString& script) {
    QVariant answer;
    bool done = false;
    view.page()->runJavaScript(script, [&](const QVariant& result) {
        answer = result;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 20000))
        qWarning("the pane did not answer the script");
    return answer;
}

}  // namespace tesmira::test
