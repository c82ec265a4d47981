#pragma once
// Plain in-memory controls that behave like the windows' own: a list that
// really inserts, finds, sorts and deletes; timers that fire when the test's
// clock moves on; a pause that runs what falls due meanwhile; a browser pane
// that loads the simulated marketplace's pages and reports them to the
// login watcher as the real pane does.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "app/program.h"
#include "support/fixed_clock.h"

namespace tesmira::test {

// The test's stand-in for the message loop: a clock, the timers on it, and
// queued events.
class EventLoop {
public:
    explicit EventLoop(LocalTime start) : clock(start) {}

    FixedClock clock;

    void post(std::function<void()> event) { events_.push_back(std::move(event)); }
    // Runs the queued events, and those they queue, until none is left.
    void runEvents();
    // Moves the clock on by `milliseconds`, firing each timer when it falls
    // due (in order of time) and running queued events.
    void advance(std::int64_t milliseconds);

    std::int64_t nowMs() const { return nowMs_; }

private:
    friend class MemoryTimer;
    std::vector<std::function<void()>> events_;
    std::vector<class MemoryTimer*> timers_;
    std::int64_t nowMs_ = 0;  // milliseconds since the loop began, kept beside the clock
};

class MemoryTimer final : public Timer {
public:
    MemoryTimer(EventLoop& loop, std::function<void()> onTick);
    void setInterval(int milliseconds) override;
    int interval() const override { return interval_; }
    std::int64_t dueMs() const { return dueMs_; }
    void fire();
    std::vector<int> intervalsSet;  // every value given, in order

private:
    EventLoop& loop_;
    std::function<void()> onTick_;
    int interval_ = 0;
    std::int64_t dueMs_ = 0;
};

class MemoryOrderList final : public OrderList {
public:
    explicit MemoryOrderList(int columns) : columns_(columns) {}
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    std::string cellText(int row, int column) const override;
    void setCellText(int row, int column, std::string_view text) override;
    int findRow(std::string_view text) const override;
    int insertRow(int index, std::string_view text) override;
    void deleteRow(int row) override;
    int currentRow() const override { return current_; }
    std::vector<int> selectedRows() const override { return {selected_.begin(), selected_.end()}; }
    void sortRows(int column,
                  const std::function<bool(std::string_view, std::string_view)>& isBefore) override;
    void setVisible(bool visible) override { visible_ = visible; }

    void select(std::vector<int> rows);  // the last one becomes the current row
    bool visible() const { return visible_; }
    std::vector<std::string> column(int column) const;
    int finds = 0;  // how often findRow ran
    // The first-column texts held, so that a search for an absent order (every
    // search of a query that brings new orders) costs no scan, as an indexed
    // list control would.
    std::unordered_multiset<std::string> ids;

private:
    int columns_;
    std::deque<std::vector<std::string>> rows_;  // new rows go in at the top
    std::set<int> selected_;
    int current_ = -1;
    bool visible_ = false;
};

struct MemoryStatusBar final : StatusBar {
    void setText(int part, std::string_view text) override {
        parts[part] = text;
        history.emplace_back(text);
    }
    std::map<int, std::string> parts;
    std::vector<std::string> history;
};

// A browser pane on the shared cookie store. It follows redirects page by
// page, telling the watcher of each navigation before it and of the final
// document after it, as queued events.
class MemoryPane final : public LoginPane {
public:
    MemoryPane(EventLoop& loop, CookieStore& cookies, const HttpRequestOptions& options);
    void attach(Program& program) { program_ = &program; }

    void navigate(std::string_view address) override;
    void reload() override { navigate(address_); }
    void show() override { visible = true; }
    void hide() override { visible = false; }
    void raise() override { onTop = true; }
    void lower() override { onTop = false; }
    std::string address() const override { return address_; }
    void runScript(std::string_view script) override { scripts.emplace_back(script); }

    // The start address, opened without an about-to-navigate, as the real
    // pane does for its first page.
    void open(std::string_view address);
    // The seller fills and submits a form of the page shown.
    void submitForm(std::string_view address, std::string body);

    bool visible = true;
    bool onTop = false;
    std::vector<std::string> navigations;
    std::vector<std::string> scripts;
    std::string html;

private:
    EventLoop& loop_;
    Program* program_ = nullptr;
    HttpRequest request_;
    std::string address_;
    void load(std::string address, std::optional<std::string> body, bool announce);
};

struct MemoryPopup final : PopupOpener {
    std::function<void()> onOpen;  // runs while the window is open, before the seller closes it
    Program* program = nullptr;
    std::vector<std::string> shown;
    void openPopupWindow() override;
};

struct MemoryClipboard final : Clipboard {
    void setText(std::string_view t) override { text = t; }
    std::string text;
};

struct MemoryTray final : TrayIcon {
    void showBalloon(std::string_view t, std::string_view x, int ms) override {
        balloons.push_back({std::string(t), std::string(x), ms});
    }
    void setTip(std::string_view t) override { tip = t; }
    void setIcon(std::string_view bytes) override { icon = bytes; }
    struct Balloon {
        std::string title, text;
        int milliseconds;
    };
    std::vector<Balloon> balloons;
    std::string tip, icon;
};

struct MemoryPause final : EventPause {
    explicit MemoryPause(EventLoop& l) : loop(l) {}
    void pause(int milliseconds) override {
        pauses.push_back(milliseconds);
        loop.advance(milliseconds);
    }
    void handlePendingEvents() override { loop.runEvents(); }
    EventLoop& loop;
    std::vector<int> pauses;
};

struct MemoryWindow final : MainWindowView {
    void setWindowVisible(bool v) override { visible = v; }
    void setTitle(std::string_view t) override { title = t; }
    void setIcon(std::string_view b) override { icon = b; }
    void setTitleLabel(std::string_view t) override { titleLabel = t; }
    void setLogoPicture(std::string_view b) override { logo = b; }
    void setSettingsEnabled(bool e) override { settingsEnabled = e; }
    void setCaptionsVisible(bool v) override { captionsVisible = v; }
    void endProgram() override { ended = true; }
    bool visible = true, settingsEnabled = false, captionsVisible = false, ended = false;
    std::string title, icon, titleLabel, logo;
};

// Stands for the picture decoder: any PNG becomes a 32 x 32 orange canvas,
// anything else the blank one.
struct FixedPictures final : PictureScaler {
    std::string iconPixels(std::string_view imageBytes) const override;
};

}  // namespace tesmira::test
