#include "ui/tray_icon_control.h"

#include <QPainter>
#include <QPixmap>

#include "ui/gbk_qt.h"

namespace tesmira::ui {

TrayIconControl::TrayIconControl(std::function<void()> onClick) {
    icon_.setIcon(startIcon());
    icon_.setToolTip("Tesmira");
    QObject::connect(&icon_, &QSystemTrayIcon::activated,
                     [onClick = std::move(onClick)](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::Trigger)
                             onClick();
                     });
    icon_.show();
}

void TrayIconControl::showBalloon(std::string_view title, std::string_view text, int milliseconds) {
    lastBalloonTitle = fromGbk(title);
    lastBalloonText = fromGbk(text);
    icon_.showMessage(lastBalloonTitle, lastBalloonText, QSystemTrayIcon::Information,
                      milliseconds);
}

void TrayIconControl::setTip(std::string_view tip) {
    icon_.setToolTip(fromGbk(tip));
}

void TrayIconControl::setIcon(std::string_view iconBytes) {
    QPixmap pixmap;
    if (pixmap.loadFromData(reinterpret_cast<const uchar*>(iconBytes.data()),
                            static_cast<uint>(iconBytes.size()), "ICO"))
        icon_.setIcon(QIcon(pixmap));
}

namespace {

QPixmap drawMark(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(255, 255, 255));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(0, 0, size, size));
    painter.setBrush(QColor(255, 136, 0));
    painter.drawEllipse(QRectF(size * 0.08, size * 0.08, size * 0.84, size * 0.84));
    painter.setPen(
        QPen(QColor(255, 255, 255), size * 0.11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // A tick: the rating given.
    painter.drawPolyline(
        QPolygonF({QPointF(size * 0.28, size * 0.52), QPointF(size * 0.44, size * 0.68),
                   QPointF(size * 0.72, size * 0.34)}));
    return pixmap;
}

}  // namespace

QPixmap logoPixmap() {
    return drawMark(128);
}

QIcon startIcon() {
    return QIcon(drawMark(32));
}

}  // namespace tesmira::ui
