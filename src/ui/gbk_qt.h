#pragma once
// The program's texts are GBK bytes; Qt's are Unicode. These are the only
// crossings between the two.

#include <QString>
#include <string>
#include <string_view>

namespace tesmira::ui {

QString fromGbk(std::string_view bytes);
// Characters GBK cannot hold become "?".
std::string toGbk(const QString& text);
// The longest start of `text` that fits in `maxBytes` GBK bytes, never
// cutting a character in two.
QString truncateToGbkBytes(const QString& text, int maxBytes);

}  // namespace tesmira::ui
