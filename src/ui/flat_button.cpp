#include "ui/flat_button.h"

#include <QVariant>

namespace tesmira::ui {
namespace {

void applyColours(QPushButton& button) {
    const QColor normal = normalBackgroundOf(button);
    const QColor hot = hotBackgroundOf(button);
    // The focused look equals the normal one, so the buttons take no focus.
    button.setStyleSheet(QStringLiteral("QPushButton { color: white; border: none; "
                                        "background-color: %1; font-weight: bold; }"
                                        "QPushButton:hover { background-color: %2; }")
                             .arg(normal.name(), hot.name()));
}

}  // namespace

void makeFlatButton(QPushButton& button, QColor normalBackground, QColor hotBackground) {
    button.setFlat(true);
    button.setFocusPolicy(Qt::NoFocus);
    button.setProperty("normalBackground", normalBackground);
    button.setProperty("hotBackground", hotBackground);
    applyColours(button);
}

void setButtonLook(QPushButton& button, const QString& caption, QColor hotBackground) {
    button.setText(caption);
    button.setProperty("hotBackground", hotBackground);
    applyColours(button);
}

QColor hotBackgroundOf(const QPushButton& button) {
    return button.property("hotBackground").value<QColor>();
}

QColor normalBackgroundOf(const QPushButton& button) {
    return button.property("normalBackground").value<QColor>();
}

}  // namespace tesmira::ui
