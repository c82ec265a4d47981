#pragma once
// SettingsWindow: the seller edits the account's general texts, the
// automatic-rating threshold and the bad-rating presets of single orders.

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/program.h"
#include "settings/settings_window.h"

namespace tesmira::ui {

class SettingsWindow final : public QDialog, public SettingsForm {
    Q_OBJECT
public:
    SettingsWindow(Program& program, QWidget* owner);

    std::string goodText() const override;
    void setGoodText(std::string_view text) override;
    std::string badText() const override;
    void setBadText(std::string_view text) override;
    std::string daysText() const override;
    void setDaysText(std::string_view text) override;
    std::string presetOrder() const override;
    void setPresetOrder(std::string_view text) override;
    std::string presetText() const override;
    void setPresetText(std::string_view text) override;
    void close() override;

    // The boxes and buttons by role, for the window's tests.
    QLineEdit& presetOrderBox() { return presetOrderBox_; }
    QPlainTextEdit& presetTextBox() { return presetTextBox_; }
    QPlainTextEdit& goodTextBox() { return goodTextBox_; }
    QPlainTextEdit& badTextBox() { return badTextBox_; }
    QLineEdit& autoRateDaysBox() { return autoRateDaysBox_; }
    QPushButton& findPresetButton() { return findPresetButton_; }
    QPushButton& savePresetButton() { return savePresetButton_; }
    QPushButton& saveSettingsButton() { return saveSettingsButton_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    Program& program_;
    QGroupBox presetGroup_;
    QLabel orderLabel_, contentLabel_;
    QLineEdit presetOrderBox_;
    QPushButton findPresetButton_, savePresetButton_;
    QPlainTextEdit presetTextBox_;
    QGroupBox textsGroup_;
    QLabel goodLabel_, badLabel_;
    QPlainTextEdit goodTextBox_, badTextBox_;
    QLabel daysLabel_;
    QLineEdit autoRateDaysBox_;
    QLabel daysNoteLabel_;
    QPushButton saveSettingsButton_;

    void layOut();
};

}  // namespace tesmira::ui
