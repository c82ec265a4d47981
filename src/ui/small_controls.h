#pragma once
// The main window's small controls as the handlers see them: the status
// bar's two parts, the window timers, the clipboard, and the pause that keeps
// the window alive while the program waits.

#include <QLabel>
#include <QTimer>
#include <functional>

#include "app/controls.h"

namespace tesmira::ui {

class StatusBarControl final : public StatusBar {
public:
    StatusBarControl(QLabel& fixedPart, QLabel& statusPart) : parts_{&fixedPart, &statusPart} {}
    void setText(int part, std::string_view text) override;

private:
    QLabel* parts_[2];
};

class TimerControl final : public Timer {
public:
    explicit TimerControl(std::function<void()> onTick);
    void setInterval(int milliseconds) override;
    int interval() const override;
    // Runs one tick now, as the timer would when it falls due.
    void tickNow() { onTick_(); }

private:
    QTimer timer_;
    std::function<void()> onTick_;
};

class ClipboardControl final : public Clipboard {
public:
    void setText(std::string_view text) override;
};

// Waits while the window goes on handling its events. `scale` shortens every
// pause (1 for real seconds); tests and benchmarks against the simulated
// marketplace need not wait a second per order.
class EventPauseControl final : public EventPause {
public:
    explicit EventPauseControl(double scale = 1) : scale_(scale) {}
    void pause(int milliseconds) override;
    void handlePendingEvents() override;

private:
    double scale_;
};

}  // namespace tesmira::ui
