// The windows' controls on their own: the report lists the handlers read and
// write, the settings boxes' input rules, the timers, the avatar's scaling and the cookie bridge
// between the panes and the program's own requests.

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineCookieStore>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include "support/gbk_text.h"
#include "ui/cookie_bridge.h"
#include "ui/gbk_qt.h"
#include "ui/order_list_control.h"
#include "ui/picture_scaler.h"
#include "ui/small_controls.h"
#include "ui/text_box_rules.h"

using tesmira::Cookie;
using tesmira::CookieStore;
using tesmira::test::gbk;
namespace ui = tesmira::ui;

namespace {

std::vector<std::string> firstColumn(const tesmira::OrderList& list) {
    std::vector<std::string> ids;
    for (int row = 0; row < list.rowCount(); ++row)
        ids.push_back(list.cellText(row, 0));
    return ids;
}

Cookie cookie(std::string name, std::string value, std::string domain, bool hostOnly) {
    Cookie c;
    c.name = std::move(name);
    c.value = std::move(value);
    c.domain = std::move(domain);
    c.hostOnly = hostOnly;
    return c;
}

const Cookie* held(const std::vector<Cookie>& cookies, const std::string& name) {
    for (const Cookie& c : cookies)
        if (c.name == name)
            return &c;
    return nullptr;
}

// The browser's cookie store takes changes once the profile has loaded a
// page; until then it holds them back.
bool loadOnePage(QWebEnginePage& page) {
    QSignalSpy loaded(&page, &QWebEnginePage::loadFinished);
    page.setHtml("<p>shop</p>", QUrl("https://i.market.localhost/"));
    return loaded.wait(20000);
}

}  // namespace

class WindowControls : public QObject {
    Q_OBJECT

private slots:
    void theListFindsEveryRowByItsOrderNumberThroughInsertsDeletesAndSorts() {
        QTreeWidget view;
        ui::OrderListControl list(view, {{"a", 10, Qt::AlignLeft}, {"b", 10, Qt::AlignLeft}});
        for (const char* id : {"30", "10", "20", "40"})
            list.insertRow(0, id);
        list.setCellText(list.findRow("20"), 1, "2026-01-02");
        list.setCellText(list.findRow("10"), 1, "2026-01-03");
        list.setCellText(list.findRow("30"), 1, "2026-01-01");
        list.setCellText(list.findRow("40"), 1, "2026-01-04");
        QCOMPARE(firstColumn(list), (std::vector<std::string>{"40", "20", "10", "30"}));

        view.topLevelItem(list.findRow("10"))->setSelected(true);
        list.sortRows(1, [](std::string_view a, std::string_view b) { return a < b; });
        QCOMPARE(firstColumn(list), (std::vector<std::string>{"30", "20", "10", "40"}));
        for (const char* id : {"30", "20", "10", "40"})
            QCOMPARE(list.cellText(list.findRow(id), 0), std::string(id));
        // The selection moved with its row.
        QCOMPARE(list.selectedRows(), std::vector<int>{2});
        QCOMPARE(list.currentRow(), 2);

        list.deleteRow(list.findRow("20"));
        QCOMPARE(list.findRow("20"), -1);
        QCOMPARE(list.findRow("40"), 2);
        list.setCellText(list.findRow("40"), 0, "41");
        QCOMPARE(list.findRow("40"), -1);
        QCOMPARE(list.findRow("41"), 2);
        QCOMPARE(list.cellText(9, 0), std::string());
        QCOMPARE(list.cellText(0, 5), std::string());
    }

    void theListGivesBackExactlyTheBytesItWasGiven() {
        QTreeWidget view;
        ui::OrderListControl list(view, {{"a", 10, Qt::AlignLeft}, {"b", 10, Qt::AlignLeft}});
        // A buyer's nick in GBK, and bytes that are no GBK at all.
        const std::string nick = gbk("快乐的小猫咪");
        const std::string broken = "\x81\x20\xFF";
        list.insertRow(0, "1");
        list.setCellText(0, 1, nick);
        QCOMPARE(list.cellText(0, 1), nick);
        QCOMPARE(view.topLevelItem(0)->text(1), QStringLiteral("快乐的小猫咪"));
        list.setCellText(0, 1, broken);
        QCOMPARE(list.cellText(0, 1), broken);
        QCOMPARE(list.currentRow(), -1);
    }

    void typedCharactersAreFiltered_data() {
        QTest::addColumn<QString>("allowed");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("order number") << "0123456789-" << 32767 << "12a-3 x4"
                                      << "12-34";
        QTest::newRow("threshold") << "0123456789-." << 3 << "1.5x"
                                   << "1.5";
        QTest::newRow("threshold, a fourth character") << "0123456789-." << 3 << "1234"
                                                       << "123";
        QTest::newRow("threshold, only a sign") << "0123456789-." << 3 << "-"
                                                << "-";
    }

    void typedCharactersAreFiltered() {
        QFETCH(QString, allowed);
        QFETCH(int, maxLength);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit box;
        box.setMaxLength(maxLength);
        box.installEventFilter(new ui::TypedCharacterFilter(allowed, &box));
        QTest::keyClicks(&box, typed);
        QCOMPARE(box.text(), shown);
        // Control keys pass.
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), shown.chopped(1));
    }

    void pastedTextIsNotFilteredButStaysWithinTheLength() {
        QLineEdit box;
        box.setMaxLength(3);
        box.installEventFilter(new ui::TypedCharacterFilter("0123456789-.", &box));
        QGuiApplication::clipboard()->setText(QStringLiteral("ab12"));
        QTest::keySequence(&box, QKeySequence::Paste);
        QCOMPARE(box.text(), QStringLiteral("ab1"));
    }

    void theTextBoxesKeepToTheirGbkByteLimits_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("bytesAfter");
        const QString chinese = QString(QStringLiteral("好")).repeated(200);
        QTest::newRow("300 letters into the good text") << 255 << "" << QString(300, 'a') << 255;
        QTest::newRow("Chinese into the good text, no half character")
            << 255 << "" << chinese << 254;
        QTest::newRow("Chinese into the preset") << 254 << "" << chinese << 254;
        QTest::newRow("into a text that nearly fills the box")
            << 255 << QString(250, 'b') << chinese << 254;
        QTest::newRow("a paste that fits") << 255 << "" << QStringLiteral("谢谢") << 4;
        QTest::newRow("line breaks count as two bytes")
            << 10 << "" << QStringLiteral("a\nb\nc\nd\ne\nf") << 10;
    }

    void theTextBoxesKeepToTheirGbkByteLimits() {
        QFETCH(int, limit);
        QFETCH(QString, before);
        QFETCH(QString, pasted);
        QFETCH(int, bytesAfter);
        QPlainTextEdit box;
        ui::limitGbkBytes(box, limit);
        box.setPlainText(before);
        box.moveCursor(QTextCursor::End);
        QGuiApplication::clipboard()->setText(pasted);
        box.paste();
        const QString text = box.toPlainText();
        QCOMPARE(static_cast<int>(ui::toGbk(text).size()) + static_cast<int>(text.count('\n')),
                 bytesAfter);
        QVERIFY(text.startsWith(before));
        // Typing goes on only as far as the limit.
        QTest::keyClicks(&box, "zzzz");
        const QString typed = box.toPlainText();
        QVERIFY(typed.startsWith(text));
        QCOMPARE(static_cast<int>(ui::toGbk(typed).size()) + static_cast<int>(typed.count('\n')),
                 std::min(limit, bytesAfter + 4));
    }

    void aTimerSetAgainToItsIntervalKeepsRunningFromWhenItStarted() {
        int ticks = 0;
        ui::TimerControl timer([&] { ++ticks; });
        QCOMPARE(timer.interval(), 0);
        timer.setInterval(300);
        QTest::qWait(200);
        timer.setInterval(300);  // changes nothing: the tick still comes at 300
        QTRY_COMPARE_WITH_TIMEOUT(ticks, 1, 250);
        timer.setInterval(0);
        QCOMPARE(timer.interval(), 0);
        QTest::qWait(400);
        QCOMPARE(ticks, 1);
    }

    void theAvatarIsScaledIntoBottomUpBlueGreenRedRows() {
        QImage avatar(80, 80, QImage::Format_ARGB32);
        avatar.fill(QColor(255, 0, 0));
        for (int x = 0; x < 80; ++x)
            for (int y = 0; y < 40; ++y)
                avatar.setPixelColor(x, y, QColor(0, 0, 0, 0));  // a transparent top half
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        avatar.save(&buffer, "PNG");
        const ui::PictureScalerControl scaler;
        const std::string pixels = scaler.iconPixels(std::string_view(png.constData(), png.size()));
        QCOMPARE(pixels.size(), std::size_t(32 * 32 * 3));
        // The first row written is the picture's bottom: red, as blue-green-red.
        QCOMPARE(pixels.substr(0, 3), std::string("\x00\x00\xFF", 3));
        // The last row is the top, transparent, drawn on white.
        QCOMPARE(pixels.substr(pixels.size() - 3), std::string("\xFF\xFF\xFF"));
        const std::string blank = scaler.iconPixels("no picture");
        QCOMPARE(blank, std::string(32 * 32 * 3, '\xFF'));
    }

    void cookiesCrossBothWaysWithTheirFlags_data() {
        QTest::addColumn<bool>("hostOnly");
        QTest::addColumn<bool>("secure");
        QTest::addColumn<bool>("httpOnly");
        QTest::addColumn<bool>("expires");
        QTest::newRow("a host-only session cookie") << true << false << false << false;
        QTest::newRow("a domain cookie, secure and HttpOnly") << false << true << true << false;
        QTest::newRow("a lasting domain cookie") << false << false << false << true;
    }

    void cookiesCrossBothWaysWithTheirFlags() {
        QFETCH(bool, hostOnly);
        QFETCH(bool, secure);
        QFETCH(bool, httpOnly);
        QFETCH(bool, expires);
        Cookie c =
            cookie("k", "v1", hostOnly ? "i.market.localhost" : "market.localhost", hostOnly);
        c.path = "/trade";
        c.secure = secure;
        c.httpOnly = httpOnly;
        if (expires)
            c.expires = 4102444800;  // 2100-01-01
        QCOMPARE(ui::cookieOf(ui::networkCookieOf(c)), c);

        // Through a real browser store and back.
        QWebEngineProfile profile;
        QWebEnginePage page(&profile);
        QVERIFY(loadOnePage(page));
        CookieStore program;
        ui::CookieBridge bridge(*profile.cookieStore(), program);
        program.put(c);
        QTRY_VERIFY_WITH_TIMEOUT(held(bridge.browserCookies(), "k") != nullptr, 5000);
        QCOMPARE(*held(bridge.browserCookies(), "k"), c);
        QCOMPARE(program.cookies().size(), std::size_t(1));
    }

    void theStoresStayTheSameWithoutEchoesOrLateReportsUndoingNewerValues() {
        QWebEngineProfile profile;
        QWebEnginePage page(&profile);
        QVERIFY(loadOnePage(page));
        CookieStore program;
        ui::CookieBridge bridge(*profile.cookieStore(), program);
        // Three quick changes: the browser's late reports of the first two
        // must not bring an older value back.
        program.put(cookie("session", "1", "market.localhost", false));
        program.put(cookie("session", "2", "market.localhost", false));
        program.put(cookie("session", "3", "market.localhost", false));
        QTest::qWait(500);
        QCOMPARE(program.cookies().size(), std::size_t(1));
        QCOMPARE(program.cookies()[0].value, std::string("3"));
        QTRY_VERIFY_WITH_TIMEOUT(held(bridge.browserCookies(), "session") &&
                                     held(bridge.browserCookies(), "session")->value == "3",
                                 5000);

        // A cookie the page sets comes over to the program.
        profile.cookieStore()->setCookie(
            ui::networkCookieOf(cookie("fromPage", "p", "login.market.localhost", true)),
            QUrl("https://login.market.localhost/"));
        QTRY_VERIFY_WITH_TIMEOUT(held(program.cookies(), "fromPage") != nullptr, 5000);

        // Removing in the program removes in the browser, and stays removed.
        program.remove(program.cookies()[0]);
        QTRY_VERIFY_WITH_TIMEOUT(held(bridge.browserCookies(), "session") == nullptr, 5000);
        QTest::qWait(300);
        QVERIFY(held(program.cookies(), "session") == nullptr);
        QVERIFY(held(program.cookies(), "fromPage") != nullptr);
    }
};

QTEST_MAIN(WindowControls)
#include "window_controls_test.moc"
