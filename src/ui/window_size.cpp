#include "ui/window_size.h"

namespace tesmira::ui {

void fixOuterSize(QWidget& window, QSize outer) {
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    window.setFixedSize(outer - frame);
}

}  // namespace tesmira::ui
