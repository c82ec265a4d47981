// The windows given what the marketplace and the seller should not give
// them: an account name that is not valid GBK, an avatar that is no picture,
// a home page of several megabytes, and pastes past every box's rules. The
// program keeps working, and what it keeps stays within the boxes' limits.

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "demo_scenario.h"
#include "desktop_session.h"
#include "support/gbk_text.h"
#include "ui/gbk_qt.h"
#include "ui/settings_window.h"

namespace test = tesmira::test;
namespace ui = tesmira::ui;
using tesmira::test::gbk;

class HostileInput : public QObject {
    Q_OBJECT

    std::unique_ptr<test::DesktopSession> session;

private slots:
    void initTestCase() {
        marketsim::Scenario scenario = marketsim::demoScenario(20);
        // A lead byte followed by a byte no GBK character has, inside the name.
        scenario.account.accountName = gbk("星光") + "\x81\x7F" + gbk("小店");
        scenario.avatarBytes = std::string("GIF89a but not really a picture");
        scenario.homePagePadding = 6 * 1024 * 1024;
        session = std::make_unique<test::DesktopSession>(std::move(scenario));
    }

    void theSessionStartsAndTheListsFillAllTheSame() {
        QTRY_COMPARE_WITH_TIMEOUT(session->status(), QStringLiteral("启动成功，请登录卖家帐号。"),
                                  30000);
        session->logInThroughThePane();
        QTRY_COMPARE_WITH_TIMEOUT(session->status(), QStringLiteral("数据读取完成！"), 60000);
        ui::MainWindow& window = session->window();
        QCOMPARE(window.pendingListView().topLevelItemCount(), 14);
        QCOMPARE(window.ratedListView().topLevelItemCount(), 6);
        QVERIFY(window.titleLabel().text().startsWith(QStringLiteral("星光")));
        QVERIFY(window.settingsButton().isEnabled());
    }

    void aNameThatCannotNameAFileWritesNoFile() {
        // The page's bad bytes reach the program as a character that no file
        // name may hold: the account's files are refused, the defaults hold.
        const auto& state = session->desktop->program().state;
        QCOMPARE(state.goodRateText, gbk("欢迎光临！"));
        QCOMPARE(state.autoRateDays, 5);
        int files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(session->settings.path()))
            files += entry.path().filename() != "Config.ini";
        QCOMPARE(files, 0);
    }

    void pastesPastTheRulesAreCutToTheBoxesLimits() {
        bool checked = false;
        test::whenModalOpens([&](QWidget* modal) {
            auto* settings = qobject_cast<ui::SettingsWindow*>(modal);
            QVERIFY(settings != nullptr);
            QClipboard* clipboard = QGuiApplication::clipboard();

            clipboard->setText(QString(QStringLiteral("好评")).repeated(300));
            settings->goodTextBox().selectAll();
            settings->goodTextBox().paste();
            clipboard->setText(QString(1000, 'x'));
            settings->badTextBox().selectAll();
            settings->badTextBox().paste();
            clipboard->setText(QStringLiteral("abc-12.5"));
            settings->autoRateDaysBox().selectAll();
            settings->autoRateDaysBox().paste();
            QCOMPARE(settings->autoRateDaysBox().text(), QStringLiteral("abc"));
            clipboard->setText(QStringLiteral("订单 31000\n00001"));
            settings->presetOrderBox().paste();
            QVERIFY(!settings->presetOrderBox().text().isEmpty());
            QTest::mouseClick(&settings->saveSettingsButton(), Qt::LeftButton);
            checked = true;
            settings->close();
        });
        QTest::mouseClick(&session->window().settingsButton(), Qt::LeftButton);
        QVERIFY(checked);
        const auto& state = session->desktop->program().state;
        QCOMPARE(state.goodRateText.size(), std::size_t(254));  // 127 whole characters
        QCOMPARE(state.badRateText, std::string(255, 'x'));
        // Letters pasted into the threshold are no number: as the store reads
        // such a text.
        QCOMPARE(state.autoRateDays, 0);
    }

    void theProgramGoesOnRatingWithTheTextAsCut() {
        QTreeWidget& pending = session->window().pendingListView();
        const QString order = pending.topLevelItem(0)->text(0);
        test::selectOnly(pending, 0);
        const QPoint at = pending.visualItemRect(pending.topLevelItem(0)).center();
        QTest::mouseClick(pending.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(pending.viewport(), Qt::LeftButton, {}, at);
        const auto ratings = session->marketplace->site().ratings();
        QCOMPARE(ratings.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(ratings[0].orderId), order);
        QCOMPARE(ratings[0].rateContent, session->desktop->program().state.goodRateText);
    }

    void cleanupTestCase() { session.reset(); }
};

QTEST_MAIN(HostileInput)
#include "hostile_input_test.moc"
