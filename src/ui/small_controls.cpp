#include "ui/small_controls.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <cmath>

#include "ui/gbk_qt.h"

namespace tesmira::ui {

void StatusBarControl::setText(int part, std::string_view text) {
    if (part == 0 || part == 1)
        parts_[part]->setText(fromGbk(text));
}

TimerControl::TimerControl(std::function<void()> onTick) : onTick_(std::move(onTick)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { onTick_(); });
}

void TimerControl::setInterval(int milliseconds) {
    if (milliseconds == interval())
        return;
    if (milliseconds <= 0)
        timer_.stop();
    else
        timer_.start(milliseconds);
}

int TimerControl::interval() const {
    return timer_.isActive() ? timer_.interval() : 0;
}

void ClipboardControl::setText(std::string_view text) {
    QGuiApplication::clipboard()->setText(fromGbk(text));
}

void EventPauseControl::pause(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(std::lround(milliseconds * scale_)), &loop,
                       &QEventLoop::quit);
    loop.exec();
}

void EventPauseControl::handlePendingEvents() {
    QCoreApplication::processEvents();
}

}  // namespace tesmira::ui
