#pragma once

#include <QSize>
#include <QWidget>

namespace tesmira::ui {

// Sizes a fixed window so that its outer frame, title bar included, measures
// `outer`. The frame is known only once the window system has put one
// around the window, so a window calls this again when it is shown.
void fixOuterSize(QWidget& window, QSize outer);

}  // namespace tesmira::ui
