// The seller's whole road through the desktop program, in its windows,
// against the simulated marketplace: the login in the pane, the lists, the
// deadlines, automatic and manual ratings, the popup, the settings, the tray
// and the close button. The steps run in order on one program.

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QMenu>
#include <QTest>
#include <QWebEnginePage>

#include "app/window_chrome.h"
#include "demo_scenario.h"
#include "desktop_session.h"
#include "settings/settings_paths.h"
#include "settings/settings_store.h"
#include "support/gbk_text.h"
#include "text/gbk_texts.h"
#include "ui/flat_button.h"
#include "ui/gbk_qt.h"
#include "ui/popup_browser_window.h"
#include "ui/settings_window.h"

using tesmira::Cookie;
using tesmira::SharedState;
namespace ui = tesmira::ui;
namespace test = tesmira::test;
namespace marketsim = ::marketsim;
namespace texts = tesmira::gbk;
using tesmira::test::gbk;

namespace {

constexpr int pageLoad = 30000;  // ms: a page in the pane, under Xvfb without a GPU

QStringList column(QTreeWidget& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        texts << list.topLevelItem(row)->text(column);
    return texts;
}

std::set<std::string> ratedOrderIds(marketsim::Marketplace& marketplace, const char* value) {
    std::set<std::string> ids;
    for (const marketsim::PostedRating& rating : marketplace.site().ratings())
        if (rating.rateValue == value)
            ids.insert(rating.orderId);
    return ids;
}

// Receives the addresses the program hands to the system's browser.
class OutsideBrowser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

}  // namespace

class DesktopRoad : public QObject {
    Q_OBJECT

    std::unique_ptr<test::DesktopSession> session;
    OutsideBrowser outside;
    int pendingAtStart = 0;

    ui::MainWindow& window() { return session->window(); }

private slots:
    void initTestCase() {
        // 20 orders, the oldest 7.6 days old: none is under the threshold yet.
        session = std::make_unique<test::DesktopSession>(marketsim::demoScenario(20));
        QDesktopServices::setUrlHandler("https", &outside, "open");
    }

    void startsWithThePaneOnTheLoginPage() {
        QTRY_COMPARE_WITH_TIMEOUT(session->status(), QStringLiteral("启动成功，请登录卖家帐号。"),
                                  pageLoad);
        QVERIFY(window().loginBrowserView().url().toString().contains("/member/login.jhtml"));
        QVERIFY(window().loginBrowserView().isVisible());
        QVERIFY(!window().pendingListView().isVisible());
        QVERIFY(!window().ratedListView().isVisible());
        QVERIFY(!window().settingsButton().isEnabled());
        QCOMPARE(window().size(), QSize(925, 640));
        QVERIFY(window().windowFlags() & Qt::FramelessWindowHint);
        // The password form is shown: the script clicked the switch.
        QTRY_COMPARE_WITH_TIMEOUT(
            test::runScript(window().loginBrowserView(),
                            "getComputedStyle(document.getElementById('J_StaticForm')).display")
                .toString(),
            QStringLiteral("block"), pageLoad);
        test::saveScreenshot(window(), "main-window-before-login.png");
    }

    void beforeLoginTheMinimizeButtonOnlyChangesItsLook() {
        QPushButton& minimize = window().minimizeButton();
        QTest::mousePress(&minimize, Qt::LeftButton);
        QCOMPARE(minimize.text(), QStringLiteral("_"));
        QCOMPARE(ui::hotBackgroundOf(minimize), QColor(88, 48, 224));
        QTest::mouseRelease(&minimize, Qt::LeftButton);
        QCOMPARE(minimize.text(), QStringLiteral("－"));
        QCOMPARE(ui::hotBackgroundOf(minimize), QColor(128, 128, 255));
        QVERIFY(window().isVisible());
        QVERIFY(window().trayIcon().lastBalloonText.isEmpty());

        // The close button's press look; its click would end the program, so
        // the press is taken back by leaving the button before the release.
        QPushButton& close = window().closeButton();
        QTest::mousePress(&close, Qt::LeftButton);
        QCOMPARE(close.text(), QStringLiteral("＋"));
        QCOMPARE(ui::hotBackgroundOf(close), QColor(128, 128, 128));
        QTest::mouseRelease(&close, Qt::LeftButton, {}, QPoint(-50, -50));
        QCOMPARE(close.text(), QStringLiteral("×"));
        QCOMPARE(ui::hotBackgroundOf(close), QColor(255, 0, 0));
        QCOMPARE(session->endRequests, 0);
    }

    void theLoginInThePaneFillsTheListsAndTheDeadlines() {
        session->logInThroughThePane();
        QTRY_COMPARE_WITH_TIMEOUT(session->status(), QStringLiteral("数据读取完成！"), 60000);
        QVERIFY(!window().loginBrowserView().isVisible());
        QVERIFY(window().pendingListView().isVisible());
        QVERIFY(window().ratedListView().isVisible());
        QVERIFY(window().settingsButton().isEnabled());
        QCOMPARE(window().titleLabel().text(), QStringLiteral("星光小店"));

        // Of the 20 seeded orders every third was rated by its buyer.
        QCOMPARE(window().pendingListView().topLevelItemCount(), 14);
        QCOMPARE(window().ratedListView().topLevelItemCount(), 6);
        for (const QString& days : column(window().pendingListView(), 3))
            QVERIFY2(days.endsWith(QStringLiteral("天")), qPrintable(days));
        const QStringList times = column(window().pendingListView(), 2);
        QVERIFY(std::is_sorted(times.begin(), times.end()));
        QVERIFY(!times.first().isEmpty());
        pendingAtStart = window().pendingListView().topLevelItemCount();

        // The login happened in the pane alone; the program's own requests
        // went out with the cookies it set there.
        const auto& cookies = session->desktop->cookies().cookies();
        QVERIFY(std::any_of(cookies.begin(), cookies.end(),
                            [](const Cookie& c) { return c.name == "_tb_sess" && c.httpOnly; }));
        QCOMPARE(window().autoRateTimer().interval(), 60000);
        QCOMPARE(window().refreshTimer().interval(), 120000);
        test::saveScreenshot(window(), "main-window-after-login.png");

        // And the other way: a cookie that an answer to the program's own
        // query set reaches the pane's pages.
        QTRY_VERIFY_WITH_TIMEOUT(test::runScript(window().loginBrowserView(), "document.cookie")
                                     .toString()
                                     .contains(QStringLiteral("lastSoldPage=2")),
                                 10000);
    }

    void movingTheClockOnMakesTheTimerRateTheOrdersNearTheirDeadline() {
        QVERIFY(ratedOrderIds(*session->marketplace, "1").empty());
        window().autoRateTimer().tickNow();
        QVERIFY(ratedOrderIds(*session->marketplace, "1").empty());

        session->clock.advanceSeconds(6 * 86400);
        window().autoRateTimer().tickNow();
        // Orders 11 to 20 are then over 10 days old; 12, 15 and 18 were rated
        // by their buyers and wait in the other list.
        const std::set<std::string> rated = ratedOrderIds(*session->marketplace, "1");
        QCOMPARE(rated.size(), std::size_t(7));
        for (const std::string& id : rated) {
            QVERIFY(window()
                        .pendingListView()
                        .findItems(QString::fromStdString(id), Qt::MatchExactly, 0)
                        .isEmpty());
        }
        QCOMPARE(window().pendingListView().topLevelItemCount(), pendingAtStart - 7);
        for (const marketsim::PostedRating& rating : session->marketplace->site().ratings())
            QCOMPARE(rating.rateContent, gbk("欢迎光临！"));
    }

    void theOrderMenuCopiesAndRatesTheSelectedRows() {
        QTreeWidget& pending = window().pendingListView();
        const QString first = pending.topLevelItem(0)->text(0);
        test::selectOnly(pending, 0);

        chooseFromTheOrderMenu(pending, QStringLiteral("复制订单号"));
        QCOMPARE(QGuiApplication::clipboard()->text(), first);
        QCOMPARE(session->status(), first + QStringLiteral(" 复制成功"));

        pending.topLevelItem(1)->setSelected(true);
        const QString second = pending.topLevelItem(1)->text(0);
        chooseFromTheOrderMenu(pending, QStringLiteral("评价选中订单"));
        const std::set<std::string> rated = ratedOrderIds(*session->marketplace, "1");
        QVERIFY(rated.count(first.toStdString()));
        QVERIFY(rated.count(second.toStdString()));
        QVERIFY(pending.findItems(first, Qt::MatchExactly, 0).isEmpty());
        QVERIFY(pending.findItems(second, Qt::MatchExactly, 0).isEmpty());
    }

    void aRightClickWithNothingSelectedOpensNoMenu() {
        QTreeWidget& rated = window().ratedListView();
        rated.clearSelection();
        bool opened = false;
        QTimer::singleShot(500, [&] { opened = QApplication::activePopupWidget() != nullptr; });
        rightClick(rated);
        QTest::qWait(700);
        QVERIFY(!opened);
    }

    void aDoubleClickOnRatedListRatesBadAndShowsTheRatingInThePopup() {
        QTreeWidget& rated = window().ratedListView();
        const QString order = rated.topLevelItem(0)->text(0);
        test::selectOnly(rated, 0);

        QString shownAddress;
        QString shownTitle;
        QSize outerSize;
        test::whenModalOpens([&](QWidget* modal) {
            auto* popup = qobject_cast<ui::PopupBrowserWindow*>(modal);
            QVERIFY(popup != nullptr);
            QWebEngineView& view = popup->popupBrowserView();
            QVERIFY(QTest::qWaitFor([&] { return view.title().size() > 0; }, pageLoad));
            shownAddress = view.url().toString();
            shownTitle = view.title();
            outerSize = popup->frameGeometry().size();
            QCOMPARE(view.geometry(), QRect(-144, -152, 1144, 800));
            test::saveScreenshot(*popup, "popup-window.png");
            popup->close();
        });
        const QRect cell = rated.visualItemRect(rated.topLevelItem(0));
        QTest::mouseClick(rated.viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(rated.viewport(), Qt::LeftButton, {}, cell.center());

        QVERIFY(ratedOrderIds(*session->marketplace, "-1").count(order.toStdString()));
        QVERIFY2(shownAddress.contains("/RateDetailSeller.htm?parentTradeId=" + order),
                 qPrintable(shownAddress));
        // The popup shares the login: the page is the rating, not the login form.
        QVERIFY2(!shownTitle.contains(QStringLiteral("登录")), qPrintable(shownTitle));
        QCOMPARE(outerSize, QSize(1004, 675));
        QVERIFY(session->desktop->program().state.popupAddress.empty());
        QVERIFY(rated.findItems(order, Qt::MatchExactly, 0).isEmpty());
    }

    void theSettingsWindowShowsTheValuesAndItsSubmitWritesTheFiles() {
        const std::filesystem::path directory = session->settings.path();
        bool checked = false;
        test::whenModalOpens([&](QWidget* modal) {
            auto* settings = qobject_cast<ui::SettingsWindow*>(modal);
            QVERIFY(settings != nullptr);
            QCOMPARE(settings->goodTextBox().toPlainText(), QStringLiteral("欢迎光临！"));
            QCOMPARE(settings->autoRateDaysBox().text(), QStringLiteral("5"));
            QCOMPARE(settings->frameGeometry().size(), QSize(389, 469));
            test::saveScreenshot(*settings, "settings-window.png");

            settings->autoRateDaysBox().clear();
            QTest::keyClicks(&settings->autoRateDaysBox(), "x3y");
            settings->goodTextBox().setPlainText(QStringLiteral("谢谢惠顾，欢迎再来"));
            QTest::mouseClick(&settings->saveSettingsButton(), Qt::LeftButton);

            // A paste past the limit is cut to it before it is saved.
            QGuiApplication::clipboard()->setText(QString(QStringLiteral("差")).repeated(200));
            settings->badTextBox().selectAll();
            settings->badTextBox().paste();
            QTest::mouseClick(&settings->saveSettingsButton(), Qt::LeftButton);

            QTest::keyClicks(&settings->presetOrderBox(), "31000000000a21000");
            settings->presetTextBox().setPlainText(QStringLiteral("货到付款未付"));
            QTest::mouseClick(&settings->savePresetButton(), Qt::LeftButton);
            QVERIFY(settings->presetOrderBox().text().isEmpty());
            checked = true;
            settings->close();
        });
        QTest::mouseClick(&window().settingsButton(), Qt::LeftButton);
        QVERIFY(checked);

        const SharedState& state = session->desktop->program().state;
        QCOMPARE(state.autoRateDays, 3);
        QCOMPARE(state.goodRateText, gbk("谢谢惠顾，欢迎再来"));
        const auto goodFile =
            tesmira::accountFilePath(directory, state.accountName, texts::goodTextFileEnding);
        QVERIFY(goodFile && std::filesystem::exists(*goodFile));
        SharedState reread;
        reread.accountName = state.accountName;
        tesmira::loadRateTexts(directory, reread);
        tesmira::loadAutoRateDays(directory, reread);
        QCOMPARE(reread.goodRateText, gbk("谢谢惠顾，欢迎再来"));
        QCOMPARE(reread.autoRateDays, 3);
        std::string cut;  // 127 whole characters: the 128th would make 256 bytes
        for (int i = 0; i < 127; ++i)
            cut += gbk("差");
        QCOMPARE(reread.badRateText, cut);
        QCOMPARE(tesmira::findBadRatePreset(directory, state, "3100000000021000").value_or(""),
                 gbk("货到付款未付"));
    }

    void minimizingHidesIntoTheTrayAndATrayClickRestores() {
        QTest::mouseClick(&window().minimizeButton(), Qt::LeftButton);
        QVERIFY(!window().isVisible());
        QCOMPARE(window().trayIcon().lastBalloonTitle, QStringLiteral("星光小店"));
        QCOMPARE(window().trayIcon().lastBalloonText,
                 QStringLiteral("软件已经缩小到这里了，要使用时请点击此处打开！"));
        // Timers go on while hidden.
        QCOMPARE(window().autoRateTimer().interval(), 60000);
        emit window().trayIcon().icon().activated(QSystemTrayIcon::Trigger);
        QVERIFY(window().isVisible());
    }

    void aNewWindowOfThePaneOpensInTheSystemsBrowser() {
        QWebEngineView& pane = window().loginBrowserView();
        const QUrl before = pane.url();
        const QString target = QString::fromStdString(
            "https://" + session->marketplace->hosts().rateHost + "/myRate.htm");
        test::runScript(pane, "window.open('" + target + "', '_blank'); true;");
        QTRY_COMPARE_WITH_TIMEOUT(outside.opened.size(), 1, pageLoad);
        QCOMPARE(outside.opened.first().toString(), target);
        QCOMPARE(pane.url(), before);
    }

    void theCloseButtonClearsTheCookiesOfThePaneAndOfTheStore() {
        QVERIFY(!session->desktop->cookieBridge().browserCookies().empty());
        QTest::mouseClick(&window().closeButton(), Qt::LeftButton);
        QCOMPARE(session->endRequests, 1);
        QVERIFY(session->desktop->cookies().cookies().empty());
        QTRY_VERIFY_WITH_TIMEOUT(session->desktop->cookieBridge().browserCookies().empty(), 10000);
        // The pane itself is logged out: a data page sends it to the login.
        window().loginBrowserView().setUrl(
            QUrl(QString::fromStdString("https://" + session->marketplace->hosts().tradeHost +
                                        "/trade/itemlist/list_sold_items.htm")));
        QTRY_VERIFY_WITH_TIMEOUT(
            window().loginBrowserView().url().toString().contains("/member/login.jhtml"), pageLoad);
    }

    void cleanupTestCase() {
        QDesktopServices::unsetUrlHandler("https");
        session.reset();
    }

private:
    // The list's right-click notification, as the window system sends it.
    static void rightClick(QTreeWidget& list) {
        const QPoint at = list.topLevelItemCount() > 0
                              ? list.visualItemRect(list.topLevelItem(0)).center()
                              : QPoint(20, 20);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &event);
    }

    void chooseFromTheOrderMenu(QTreeWidget& list, const QString& item) {
        bool chosen = false;
        test::whenModalOpens([&](QWidget* popup) {
            auto* menu = qobject_cast<QMenu*>(popup);
            QVERIFY(menu == &window().orderMenu());
            for (QAction* action : menu->actions()) {
                if (action->text() == item) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    chosen = true;
                }
            }
        });
        rightClick(list);
        QVERIFY(chosen);
    }
};

QTEST_MAIN(DesktopRoad)
#include "desktop_road_test.moc"
