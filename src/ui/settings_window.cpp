#include "ui/settings_window.h"

#include <QTimer>

#include "ui/gbk_qt.h"
#include "ui/window_size.h"
#include "ui/text_box_rules.h"

namespace tesmira::ui {
namespace {

// A box's text as the program reads it: GBK, line breaks as CR LF.
std::string boxText(const QString& text) {
    QString lines = text;
    lines.replace(QChar('\n'), QStringLiteral("\r\n"));
    return toGbk(lines);
}

QString shownText(std::string_view text) {
    QString shown = fromGbk(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

}  // namespace

SettingsWindow::SettingsWindow(Program& program, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      program_(program),
      presetGroup_(this),
      orderLabel_(&presetGroup_),
      contentLabel_(&presetGroup_),
      presetOrderBox_(&presetGroup_),
      findPresetButton_(&presetGroup_),
      savePresetButton_(&presetGroup_),
      presetTextBox_(&presetGroup_),
      textsGroup_(this),
      goodLabel_(&textsGroup_),
      badLabel_(&textsGroup_),
      goodTextBox_(&textsGroup_),
      badTextBox_(&textsGroup_),
      daysLabel_(this),
      autoRateDaysBox_(this),
      daysNoteLabel_(this),
      saveSettingsButton_(this) {
    layOut();
    connect(&saveSettingsButton_, &QPushButton::clicked, this,
            [this] { submitSettings(program_, *this); });
    connect(&findPresetButton_, &QPushButton::clicked, this,
            [this] { findPreset(program_, *this); });
    connect(&savePresetButton_, &QPushButton::clicked, this,
            [this] { submitPreset(program_, *this); });
    onSettingsWindowCreated(program_, *this);
}

void SettingsWindow::layOut() {
    setWindowTitle(QStringLiteral("系统配置"));
    setModal(true);
    fixOuterSize(*this, QSize(389, 469));
    move(50, 50);

    presetGroup_.setGeometry(0, 8, 384, 176);
    presetGroup_.setTitle(QStringLiteral("有问题的买家差评预置"));
    orderLabel_.setGeometry(8, 24, 40, 24);
    orderLabel_.setText(QStringLiteral("订单号"));
    presetOrderBox_.setGeometry(48, 22, 120, 28);
    presetOrderBox_.installEventFilter(
        new TypedCharacterFilter(QStringLiteral("0123456789-"), &presetOrderBox_));
    contentLabel_.setGeometry(176, 36, 40, 24);
    contentLabel_.setText(QStringLiteral("内  容"));
    findPresetButton_.setGeometry(224, 22, 64, 28);
    findPresetButton_.setText(QStringLiteral("查找"));
    savePresetButton_.setGeometry(296, 22, 64, 28);
    savePresetButton_.setText(QStringLiteral("提交信息"));
    presetTextBox_.setGeometry(16, 56, 352, 104);
    limitGbkBytes(presetTextBox_, 254);

    textsGroup_.setGeometry(0, 183, 384, 184);
    goodLabel_.setGeometry(76, 10, 56, 24);
    goodLabel_.setText(QStringLiteral("通用好评"));
    badLabel_.setGeometry(252, 10, 56, 24);
    badLabel_.setText(QStringLiteral("通用差评"));
    goodTextBox_.setGeometry(16, 36, 176, 132);
    limitGbkBytes(goodTextBox_, 255);
    badTextBox_.setGeometry(192, 36, 176, 132);
    limitGbkBytes(badTextBox_, 255);

    daysLabel_.setGeometry(8, 376, 80, 24);
    daysLabel_.setText(QStringLiteral("自动评价时限"));
    autoRateDaysBox_.setGeometry(88, 376, 24, 24);
    autoRateDaysBox_.setMaxLength(3);
    autoRateDaysBox_.installEventFilter(
        new TypedCharacterFilter(QStringLiteral("0123456789-."), &autoRateDaysBox_));
    daysNoteLabel_.setGeometry(120, 376, 245, 24);
    daysNoteLabel_.setText(QStringLiteral("天。（注:当少于这个时间后程序将自动评价）"));
    saveSettingsButton_.setGeometry(151, 403, 80, 32);
    saveSettingsButton_.setText(QStringLiteral("提交配置"));

    const QString box = QStringLiteral("border: 1px solid black; color: black; background: white;");
    for (QWidget* w : std::initializer_list<QWidget*>{
             &presetOrderBox_, &presetTextBox_, &goodTextBox_, &badTextBox_, &autoRateDaysBox_})
        w->setStyleSheet(box);
}

void SettingsWindow::showEvent(QShowEvent* event) {
    fixOuterSize(*this, QSize(389, 469));
    QDialog::showEvent(event);
}

std::string SettingsWindow::goodText() const {
    return boxText(goodTextBox_.toPlainText());
}
void SettingsWindow::setGoodText(std::string_view text) {
    goodTextBox_.setPlainText(shownText(text));
}
std::string SettingsWindow::badText() const {
    return boxText(badTextBox_.toPlainText());
}
void SettingsWindow::setBadText(std::string_view text) {
    badTextBox_.setPlainText(shownText(text));
}
std::string SettingsWindow::daysText() const {
    return toGbk(autoRateDaysBox_.text());
}
void SettingsWindow::setDaysText(std::string_view text) {
    autoRateDaysBox_.setText(fromGbk(text));
}
std::string SettingsWindow::presetOrder() const {
    return toGbk(presetOrderBox_.text());
}
void SettingsWindow::setPresetOrder(std::string_view text) {
    presetOrderBox_.setText(fromGbk(text));
}
std::string SettingsWindow::presetText() const {
    return boxText(presetTextBox_.toPlainText());
}
void SettingsWindow::setPresetText(std::string_view text) {
    presetTextBox_.setPlainText(shownText(text));
}

void SettingsWindow::close() {
    // Queued: the created handler goes on to its end first.
    QTimer::singleShot(0, this, &QDialog::reject);
}

}  // namespace tesmira::ui
