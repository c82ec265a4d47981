#pragma once
// What the handlers touch outside the shared state: the controls of the
// windows, each a small interface named for its role. The windows implement
// them with Qt; the tests with plain in-memory controls that behave alike.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tesmira {

// A report list: rows of texts, the first column the row's identity.
class OrderList {
public:
    virtual ~OrderList() = default;
    virtual int rowCount() const = 0;
    // Empty for a row or column past the end.
    virtual std::string cellText(int row, int column) const = 0;
    virtual void setCellText(int row, int column, std::string_view text) = 0;
    // The row whose first column is exactly `text`; -1 when none.
    virtual int findRow(std::string_view text) const = 0;
    // Inserts a row at `index` with `text` in its first column; returns its index.
    virtual int insertRow(int index, std::string_view text) = 0;
    virtual void deleteRow(int row) = 0;
    // The current row; -1 when no row is selected.
    virtual int currentRow() const = 0;
    // The selected rows, ascending.
    virtual std::vector<int> selectedRows() const = 0;
    // Reorders the rows, cells together, by `isBefore` on the texts of `column`.
    virtual void sortRows(
        int column, const std::function<bool(std::string_view, std::string_view)>& isBefore) = 0;
    virtual void setVisible(bool visible) = 0;
};

class StatusBar {
public:
    virtual ~StatusBar() = default;
    virtual void setText(int part, std::string_view text) = 0;
};

// A window timer: 0 stops it, a new positive interval restarts it from now,
// the interval it already has changes nothing.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
};

// The browser pane the seller logs in with.
class LoginPane {
public:
    virtual ~LoginPane() = default;
    virtual void navigate(std::string_view address) = 0;
    virtual void reload() = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void raise() = 0;  // above every other control of the main window
    virtual void lower() = 0;  // below every other control
    virtual std::string address() const = 0;
    virtual void runScript(std::string_view script) = 0;
};

// Opens the popup browser window on the state's popupAddress, modal; returns
// when the seller has closed it.
class PopupOpener {
public:
    virtual ~PopupOpener() = default;
    virtual void openPopupWindow() = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(std::string_view text) = 0;
};

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    virtual void showBalloon(std::string_view title, std::string_view text, int milliseconds) = 0;
    virtual void setTip(std::string_view tip) = 0;
    virtual void setIcon(std::string_view iconBytes) = 0;
};

// Waits, handling the events that come meanwhile (timer ticks, clicks, the
// pane's notifications).
class EventPause {
public:
    virtual ~EventPause() = default;
    virtual void pause(int milliseconds) = 0;
    virtual void handlePendingEvents() = 0;
};

// The main window itself and its title band.
class MainWindowView {
public:
    virtual ~MainWindowView() = default;
    virtual void setWindowVisible(bool visible) = 0;
    virtual void setTitle(std::string_view title) = 0;
    virtual void setIcon(std::string_view iconBytes) = 0;
    virtual void setTitleLabel(std::string_view text) = 0;
    virtual void setLogoPicture(std::string_view imageBytes) = 0;
    virtual void setSettingsEnabled(bool enabled) = 0;
    virtual void setCaptionsVisible(bool visible) = 0;  // the two list captions
    // Ends the process with exit code 0 once the shared state is released.
    virtual void endProgram() = 0;
};

// Decodes a picture and scales it: 32 x 32 pixels as 24-bit rows, bottom row
// first, blue-green-red. A blank (white) canvas where the bytes are no picture.
class PictureScaler {
public:
    virtual ~PictureScaler() = default;
    virtual std::string iconPixels(std::string_view imageBytes) const = 0;
};

}  // namespace tesmira
