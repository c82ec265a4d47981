#include "settings/settings_window.h"

#include "settings/settings_store.h"

namespace tesmira {

void onSettingsWindowCreated(Program& program, SettingsForm& form) {
    if (program.state.accountName.empty()) {
        form.close();
    }
    form.setGoodText(program.state.goodRateText);
    form.setBadText(program.state.badRateText);
    form.setDaysText(std::to_string(program.state.autoRateDays));
}

void submitSettings(Program& program, SettingsForm& form) {
    saveAutoRateDays(program.settingsDirectory, program.state, form.daysText());
    if (const std::string good = form.goodText(); !good.empty()) {
        saveRateText(program.settingsDirectory, program.state, RateKind::good, good);
    }
    if (const std::string bad = form.badText(); !bad.empty()) {
        saveRateText(program.settingsDirectory, program.state, RateKind::bad, bad);
    }
}

void findPreset(Program& program, SettingsForm& form) {
    const std::string orderId = form.presetOrder();
    if (orderId.empty()) {
        return;
    }
    if (const auto preset = findBadRatePreset(program.settingsDirectory, program.state, orderId)) {
        form.setPresetText(*preset);
    }
}

void submitPreset(Program& program, SettingsForm& form) {
    const std::string orderId = form.presetOrder();
    const std::string text = form.presetText();
    if (orderId.empty() || text.empty()) {
        return;
    }
    saveBadRatePreset(program.settingsDirectory, program.state, orderId, text);
    form.setPresetOrder("");
    form.setPresetText("");
}

}  // namespace tesmira
