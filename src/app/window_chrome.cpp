#include "app/window_chrome.h"

#include "text/gbk_texts.h"

namespace tesmira {

void minimizeToTray(Program& program) {
    if (program.state.accountName.empty()) {
        return;
    }
    program.controls.window.setWindowVisible(false);
    program.controls.trayIcon.showBalloon(program.state.accountName, gbk::trayBalloonText, 3000);
}

void restoreFromTray(Program& program) {
    program.controls.window.setWindowVisible(true);
}

bool showOrderMenu(Program& program, ListRole list) {
    OrderList& control =
        list == ListRole::pending ? program.controls.pendingList : program.controls.ratedList;
    if (control.selectedRows().empty()) {
        return false;
    }
    program.state.activeListName =
        list == ListRole::pending ? gbk::pendingListName : gbk::ratedListName;
    return true;
}

// The list tested for its selection is the one the menu was opened over; the
// first design looked at pendingList whatever the list, so copying from
// ratedList mostly did nothing.
void copyOrderNumber(Program& program) {
    Controls& c = program.controls;
    OrderList* list = nullptr;
    if (program.state.activeListName == gbk::pendingListName)
        list = &c.pendingList;
    if (program.state.activeListName == gbk::ratedListName)
        list = &c.ratedList;
    if (list == nullptr || list->selectedRows().size() != 1) {
        return;
    }
    const std::string orderId = list->cellText(list->currentRow(), 0);
    c.clipboard.setText(orderId);
    c.statusBar.setText(1, orderId + std::string(gbk::copiedSuffix));
}

}  // namespace tesmira
