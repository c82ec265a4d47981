#pragma once
// The title band's flat buttons: white text on a background that changes
// while the mouse is over the button ("hot").

#include <QColor>
#include <QPushButton>

namespace tesmira::ui {

void makeFlatButton(QPushButton& button, QColor normalBackground, QColor hotBackground);
// The look a press or release gives: a caption and a hot background.
void setButtonLook(QPushButton& button, const QString& caption, QColor hotBackground);
QColor hotBackgroundOf(const QPushButton& button);
QColor normalBackgroundOf(const QPushButton& button);

}  // namespace tesmira::ui
