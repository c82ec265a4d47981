#pragma once
// The program's own Chinese texts, as the GBK bytes that the marketplace's
// pages and the settings files use. They are spelled as byte escapes so that
// the compiled program holds GBK whatever encoding the source is read in; the
// characters stand in the comment beside each one, and a test checks every
// escape against a conversion of those characters.

#include <string_view>

namespace tesmira::gbk {

// settings files
inline constexpr std::string_view autoRateTimeKey =
    "\xD7\xD4\xB6\xAF\xC6\xC0\xBC\xDB\xCA\xB1\xBC\xE4";  // 自动评价时间
inline constexpr std::string_view badRateContentKey =
    "\xB2\xEE\xC6\xC0\xC4\xDA\xC8\xDD";  // 差评内容
inline constexpr std::string_view defaultGoodRateText =
    "\xBB\xB6\xD3\xAD\xB9\xE2\xC1\xD9\xA3\xA1";  // 欢迎光临！
inline constexpr std::string_view defaultBadRateText =
    "\xBB\xA5\xCF\xE0\xB5\xC4\xA3\xA1";                                           // 互相的！
inline constexpr std::string_view goodTextFileEnding = "_\xBA\xC3\xC6\xC0 .TXT";  // _好评 .TXT
inline constexpr std::string_view badTextFileEnding = "_\xB2\xEE\xC6\xC0 .TXT";   // _差评 .TXT

// rating deadlines
inline constexpr std::string_view daysUnit = "\xCC\xEC";  // 天

}  // namespace tesmira::gbk
