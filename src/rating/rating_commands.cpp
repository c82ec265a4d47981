#include "rating/rating_commands.h"

#include "rating/submit_rating.h"
#include "settings/settings_store.h"
#include "text/gbk_texts.h"

namespace tesmira {

void rateSelectedOrders(Program& program) {
    Controls& c = program.controls;
    SharedState& state = program.state;
    if (state.activeListName == gbk::pendingListName) {
        const std::vector<int> selected = c.pendingList.selectedRows();
        for (auto row = selected.rbegin(); row != selected.rend(); ++row) {
            submitRating(program, c.pendingList.cellText(*row, 0), state.goodRateText, "1");
            c.pendingList.deleteRow(*row);
        }
        c.statusBar.setText(1, gbk::allOrdersRatedText);
    } else if (state.activeListName == gbk::ratedListName) {
        const std::vector<int> selected = c.ratedList.selectedRows();
        for (auto row = selected.rbegin(); row != selected.rend(); ++row) {
            const std::string orderId = c.ratedList.cellText(*row, 0);
            submitRating(program, orderId,
                         badRatingTextFor(program.settingsDirectory, state, orderId), "-1");
            c.ratedList.deleteRow(*row);
        }
        c.statusBar.setText(1, gbk::badRatingsDoneText);
        state.popupAddress = "https://" + program.hosts.rateHost + "/myRate.htm";
        c.popup.openPopupWindow();
    }
    state.activeListName.clear();
}

}  // namespace tesmira
