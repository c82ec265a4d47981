#include "ui/gbk_qt.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tesmira::ui {

QString fromGbk(std::string_view bytes) {
    QStringDecoder decoder("GBK");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string toGbk(const QString& text) {
    QStringEncoder encoder("GBK");
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString truncateToGbkBytes(const QString& text, int maxBytes) {
    if (static_cast<int>(toGbk(text).size()) <= maxBytes)
        return text;
    // Walk by whole characters: a surrogate pair or a two-byte GBK character
    // is kept whole or left out whole.
    QStringEncoder encoder("GBK");
    int bytes = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        const qsizetype length = text.at(end).isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
        const QByteArray encoded = encoder.encode(text.mid(end, length));
        const int size = static_cast<int>(encoded.size());
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        end += length;
    }
    return text.left(end);
}

}  // namespace tesmira::ui
