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

// status bar
inline constexpr std::string_view currentStatusText =
    "\xB5\xB1\xC7\xB0\xD7\xB4\xCC\xAC";  // 当前状态
inline constexpr std::string_view loggedInText =
    "\xD5\xCA\xBA\xC5\xB5\xC7\xC2\xBC\xB3\xC9\xB9\xA6\xA3\xAC\xD5\xFD\xD4\xDA\xB6\xC1\xC8\xA1\xCA"
    "\xFD\xBE\xDD\xA3\xAC\xC7\xEB\xC9\xD4\xBA\xF2\xA3\xA1";  // 帐号登录成功，正在读取数据，请稍候！
inline constexpr std::string_view enterVerificationCodeText =
    "\xC7\xEB\xCC\xEE\xC8\xEB\xD1\xE9\xD6\xA4\xC2\xEB\xA3\xA1";  // 请填入验证码！
inline constexpr std::string_view pleaseLogInText =
    "\xC6\xF4\xB6\xAF\xB3\xC9\xB9\xA6\xA3\xAC\xC7\xEB\xB5\xC7\xC2\xBC\xC2\xF4\xBC\xD2\xD5\xCA\xBA"
    "\xC5\xA1\xA3";  // 启动成功，请登录卖家帐号。
inline constexpr std::string_view verificationAcceptedText =
    "\xD1\xE9\xD6\xA4\xC2\xEB\xD1\xE9\xD6\xA4\xB3\xC9\xB9\xA6\xA3\xA1";  // 验证码验证成功！
inline constexpr std::
    string_view
        readingDeadlinesText =
            "\xD5\xFD\xD4\xDA\xB6\xC1\xC8\xA1\xC6\xC0\xBC\xDB\xB5\xBD\xC6\xDA\xCA\xB1\xBC\xE4\xA3"
            "\xA1";  // 正在读取评价到期时间！
inline constexpr std::string_view dataReadText =
    "\xCA\xFD\xBE\xDD\xB6\xC1\xC8\xA1\xCD\xEA\xB3\xC9\xA3\xA1";  // 数据读取完成！
inline constexpr std::string_view ratingDoneText =
    "\xC6\xC0\xBC\xDB\xCD\xEA\xB3\xC9\xA1\xA3";  // 评价完成。
inline constexpr std::
    string_view
        badRatingsDoneText =
            "\xD1\xA1\xD4\xF1\xB5\xC4\xB6\xA9\xB5\xA5\xD2\xD1\xD3\xC3\xA1\xAE\xB2\xEE\xC6\xC0\xA1"
            "\xAF\xC6\xC0\xBC\xDB\xCD\xEA\xB3\xC9\xA3\xA1\xC7\xEB\xBF\xB4\xBF\xB4\xC2\xF2\xBC\xD2"
            "\xB8\xF8\xB5\xC4\xCA\xC7\xCA\xB2\xC3\xB4\xC6\xC0\xBC\xDB\xD4\xD9\xD7\xF7\xB4\xA6\xC0"
            "\xED\xA1\xA3";  // 选择的订单已用‘差评’评价完成！请看看买家给的是什么评价再作处理。
inline constexpr std::string_view allOrdersRatedText =
    "\xC8\xAB\xB2\xBF\xB6\xA9\xB5\xA5\xD2\xD1\xC6\xC0\xBC\xDB\xCD\xEA\xB3\xC9\xA3\xA1";  // 全部订单已评价完成！
inline constexpr std::string_view copiedSuffix = " \xB8\xB4\xD6\xC6\xB3\xC9\xB9\xA6";  //  复制成功

// tray
inline constexpr std::string_view
    trayBalloonText =
        "\xC8\xED\xBC\xFE\xD2\xD1\xBE\xAD\xCB\xF5\xD0\xA1\xB5\xBD\xD5\xE2\xC0\xEF\xC1\xCB\xA3\xAC"
        "\xD2\xAA\xCA\xB9\xD3\xC3\xCA\xB1\xC7\xEB\xB5\xE3\xBB\xF7\xB4\xCB\xB4\xA6\xB4\xF2\xBF\xAA"
        "\xA3\xA1";  // 软件已经缩小到这里了，要使用时请点击此处打开！

// order lists
inline constexpr std::string_view pendingListName =
    "\xB3\xAC\xBC\xB6\xC1\xD0\xB1\xED"
    "1";  // 超级列表1
inline constexpr std::string_view ratedListName =
    "\xB3\xAC\xBC\xB6\xC1\xD0\xB1\xED"
    "2";  // 超级列表2
inline constexpr std::string_view otherSideRatedStatus =
    "\xB6\xD4\xB7\xBD\xD2\xD1\xC6\xC0";  // 对方已评
inline constexpr std::string_view buyerRatedText =
    "\xC2\xF2\xBC\xD2\xD2\xD1\xC6\xC0\xBC\xDB";  // 买家已评价

// marketplace answers
inline constexpr std::string_view rateSuccessText =
    "\xC6\xC0\xBC\xDB\xB3\xC9\xB9\xA6 - \xCC\xD4\xA3\xA1\xCE\xD2\xCF\xB2\xBB\xB6";  // 评价成功 -
                                                                                    // 淘！我喜欢

}  // namespace tesmira::gbk
