#include "orders/rating_schedule.h"

#include <cstdlib>
#include <vector>

#include "orders/deal_time.h"
#include "rating/encode_form_value.h"
#include "rating/submit_rating.h"
#include "settings/settings_store.h"
#include "text/gbk_texts.h"

namespace tesmira {

void autoRateTick(Program& program) {
    Controls& c = program.controls;
    OrderList& list = c.pendingList;
    c.autoRateTimer.setInterval(0);
    const int rowCount = list.rowCount();
    std::vector<int> rated;  // highest index first, so deletions keep the rest valid
    for (int i = 0; i < rowCount; ++i) {
        const std::string dealTime = list.cellText(i, 2);
        if (dealTime.empty()) {
            continue;
        }
        const std::string daysLeft = daysLeftText(c.clock, readTimeText(dealTime));
        const double days = std::strtod(daysLeft.c_str(), nullptr);
        // A rating the marketplace did not confirm (a lapsed session, a
        // refused form) keeps its row and is tried again at the next tick
        // while the rating period lasts: no later query lists the order
        // again, so a dropped row would be an order never rated.
        if (days - program.state.autoRateDays < -0.0000001 &&
            (submitRating(program, list.cellText(i, 0), program.state.goodRateText, "1") ||
             days < 0)) {
            rated.insert(rated.begin(), i);
        } else {
            list.setCellText(i, 3, daysLeft);
        }
    }
    for (const int row : rated) {
        list.deleteRow(row);
    }
    c.autoRateTimer.setInterval(60000);
}

void refreshTick(Program& program) {
    program.controls.loginBrowser.reload();
    program.controls.refreshTimer.setInterval(300000);
}

void pendingDoubleClick(Program& program) {
    Controls& c = program.controls;
    const int row = c.pendingList.currentRow();
    if (row < 0) {
        return;
    }
    const std::string orderId = c.pendingList.cellText(row, 0);
    program.state.activeListName = gbk::pendingListName;
    if (submitRating(program, orderId, program.state.goodRateText, "1")) {
        c.pendingList.deleteRow(row);
        c.statusBar.setText(1, gbk::ratingDoneText);
    }
}

void ratedDoubleClick(Program& program) {
    Controls& c = program.controls;
    const int row = c.ratedList.currentRow();
    if (row < 0) {
        return;
    }
    const std::string orderId = c.ratedList.cellText(row, 0);
    program.state.activeListName = gbk::ratedListName;
    const std::string text = badRatingTextFor(program.settingsDirectory, program.state, orderId);
    if (!submitRating(program, orderId, text, "-1")) {
        return;
    }
    program.state.popupAddress = "https://" + program.hosts.rateHost +
                                 "/RateDetailSeller.htm?parentTradeId=" + encodeFormValue(orderId);
    c.popup.openPopupWindow();
    // The popup's pauses may have moved the rows: delete the order's own row.
    const int stillAt = c.ratedList.findRow(orderId);
    if (stillAt >= 0) {
        c.ratedList.deleteRow(stillAt);
    }
    c.statusBar.setText(1, gbk::badRatingsDoneText);
}

}  // namespace tesmira
