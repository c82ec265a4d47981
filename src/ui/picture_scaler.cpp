#include "ui/picture_scaler.h"

#include <QImage>
#include <QPainter>

namespace tesmira::ui {

std::string PictureScalerControl::iconPixels(std::string_view imageBytes) const {
    QImage image = QImage::fromData(
        QByteArrayView(imageBytes.data(), static_cast<qsizetype>(imageBytes.size())));
    QImage canvas(32, 32, QImage::Format_RGB888);
    canvas.fill(Qt::white);
    if (!image.isNull()) {
        // Drawn over the white canvas, so that transparent parts stay white.
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(0, 0, 32, 32), image);
    }
    std::string pixels;
    pixels.reserve(32 * 32 * 3);
    for (int y = 31; y >= 0; --y) {
        const uchar* row = canvas.constScanLine(y);
        for (int x = 0; x < 32; ++x) {
            pixels += static_cast<char>(row[x * 3 + 2]);
            pixels += static_cast<char>(row[x * 3 + 1]);
            pixels += static_cast<char>(row[x * 3]);
        }
    }
    return pixels;
}

}  // namespace tesmira::ui
