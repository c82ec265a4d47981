#include "support/memory_controls.h"

#include <algorithm>

#include "app/lifecycle.h"
#include "session/login_watcher.h"

namespace tesmira::test {

void EventLoop::runEvents() {
    while (!events_.empty()) {
        auto event = std::move(events_.front());
        events_.erase(events_.begin());
        event();
    }
}

void EventLoop::advance(std::int64_t milliseconds) {
    const std::int64_t target = nowMs_ + milliseconds;
    runEvents();
    while (true) {
        MemoryTimer* next = nullptr;
        for (MemoryTimer* timer : timers_) {
            if (timer->interval() > 0 && timer->dueMs() <= target &&
                (next == nullptr || timer->dueMs() < next->dueMs())) {
                next = timer;
            }
        }
        if (next == nullptr)
            break;
        if (next->dueMs() > nowMs_) {
            clock.advanceSeconds((next->dueMs() / 1000) - (nowMs_ / 1000));
            nowMs_ = next->dueMs();
        }
        next->fire();
        runEvents();
    }
    if (target > nowMs_) {
        clock.advanceSeconds((target / 1000) - (nowMs_ / 1000));
        nowMs_ = target;
    }
}

MemoryTimer::MemoryTimer(EventLoop& loop, std::function<void()> onTick)
    : loop_(loop), onTick_(std::move(onTick)) {
    loop_.timers_.push_back(this);
}

void MemoryTimer::setInterval(int milliseconds) {
    intervalsSet.push_back(milliseconds);
    if (milliseconds == interval_)
        return;  // the interval it has changes nothing
    interval_ = milliseconds;
    dueMs_ = loop_.nowMs_ + milliseconds;
}

void MemoryTimer::fire() {
    dueMs_ += interval_;  // the next period, unless the tick sets another interval
    onTick_();
}

std::string MemoryOrderList::cellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_)
        return {};
    return rows_[row][column];
}

void MemoryOrderList::setCellText(int row, int column, std::string_view text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_)
        return;
    if (column == 0) {
        ids.erase(ids.find(rows_[row][0]));
        ids.insert(std::string(text));
    }
    rows_[row][column] = text;
}

int MemoryOrderList::findRow(std::string_view text) const {
    ++const_cast<MemoryOrderList*>(this)->finds;
    if (ids.find(std::string(text)) == ids.end())
        return -1;
    for (int i = 0; i < rowCount(); ++i) {
        if (rows_[i][0] == text)
            return i;
    }
    return -1;
}

int MemoryOrderList::insertRow(int index, std::string_view text) {
    index = std::clamp(index, 0, rowCount());
    rows_.insert(rows_.begin() + index, std::vector<std::string>(columns_));
    rows_[index][0] = text;
    ids.insert(std::string(text));
    std::set<int> moved;
    for (int row : selected_)
        moved.insert(row >= index ? row + 1 : row);
    selected_ = moved;
    if (current_ >= index)
        ++current_;
    return index;
}

void MemoryOrderList::deleteRow(int row) {
    if (row < 0 || row >= rowCount())
        return;
    ids.erase(ids.find(rows_[row][0]));
    rows_.erase(rows_.begin() + row);
    std::set<int> moved;
    for (int selected : selected_) {
        if (selected != row)
            moved.insert(selected > row ? selected - 1 : selected);
    }
    selected_ = moved;
    current_ = current_ == row ? -1 : current_ > row ? current_ - 1 : current_;
}

void MemoryOrderList::sortRows(
    int column, const std::function<bool(std::string_view, std::string_view)>& isBefore) {
    std::stable_sort(rows_.begin(), rows_.end(),
                     [&](const auto& a, const auto& b) { return isBefore(a[column], b[column]); });
    selected_.clear();
    current_ = -1;
}

void MemoryOrderList::select(std::vector<int> rows) {
    selected_ = {rows.begin(), rows.end()};
    current_ = rows.empty() ? -1 : rows.back();
}

std::vector<std::string> MemoryOrderList::column(int column) const {
    std::vector<std::string> texts;
    for (const auto& row : rows_)
        texts.push_back(row[column]);
    return texts;
}

MemoryPane::MemoryPane(EventLoop& loop, CookieStore& cookies, const HttpRequestOptions& options)
    : loop_(loop), request_(cookies, [&] {
          HttpRequestOptions paneOptions = options;
          paneOptions.followRedirects = false;
          return paneOptions;
      }()) {}

void MemoryPane::navigate(std::string_view address) {
    navigations.emplace_back(address);
    std::string target(address);
    loop_.post([this, target] { load(target, std::nullopt, true); });
}

void MemoryPane::open(std::string_view address) {
    std::string target(address);
    loop_.post([this, target] { load(target, std::nullopt, false); });
}

void MemoryPane::submitForm(std::string_view address, std::string body) {
    std::string target(address);
    loop_.post([this, target, body] { load(target, body, true); });
}

void MemoryPane::load(std::string address, std::optional<std::string> body, bool announce) {
    for (int hop = 0; hop < 20; ++hop) {
        if (announce && program_ != nullptr)
            aboutToNavigate(*program_, address);
        announce = true;
        const std::vector<HttpHeader> headers =
            body ? std::vector<HttpHeader>{{"Content-Type", "application/x-www-form-urlencoded"}}
                 : std::vector<HttpHeader>{};
        const std::string page = request_.exchange(body ? "POST" : "get", address, headers, body);
        if (request_.redirectAddress().empty()) {
            address_ = address;
            html = page;
            if (program_ != nullptr)
                documentLoaded(*program_, address_, html);
            return;
        }
        address = request_.redirectAddress();
        body.reset();
    }
}

void MemoryPopup::openPopupWindow() {
    shown.push_back(program->state.popupAddress);
    if (onOpen)
        onOpen();
    onPopupWindowDestroyed(*program);
}

std::string FixedPictures::iconPixels(std::string_view imageBytes) const {
    if (!imageBytes.starts_with("\x89PNG"))
        return {};
    std::string pixels;
    for (int i = 0; i < 32 * 32; ++i)
        pixels += "\x20\x80\xF0";
    return pixels;
}

}  // namespace tesmira::test
