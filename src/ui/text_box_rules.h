#pragma once
// The settings window's input rules: filters on typed characters (control
// keys such as backspace and the clipboard keys pass, and pasted text is not
// filtered), and a limit in GBK bytes that holds for pasted text too.

#include <QObject>
#include <QString>

class QPlainTextEdit;

namespace tesmira::ui {

// Drops the typed characters that are not in `allowed`.
class TypedCharacterFilter final : public QObject {
public:
    TypedCharacterFilter(QString allowed, QObject* parent)
        : QObject(parent), allowed_(std::move(allowed)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString allowed_;
};

// Keeps the box within `maxBytes` GBK bytes: what an edit adds is cut down
// until the whole fits, as a box with a length limit refuses what does not.
void limitGbkBytes(QPlainTextEdit& box, int maxBytes);

}  // namespace tesmira::ui
