#pragma once
// The settings window's handlers, over the window's text boxes.

#include <string>
#include <string_view>

#include "app/program.h"

namespace tesmira {

// The text boxes of the settings window, texts in GBK.
class SettingsForm {
public:
    virtual ~SettingsForm() = default;
    virtual std::string goodText() const = 0;
    virtual void setGoodText(std::string_view text) = 0;
    virtual std::string badText() const = 0;
    virtual void setBadText(std::string_view text) = 0;
    virtual std::string daysText() const = 0;
    virtual void setDaysText(std::string_view text) = 0;
    virtual std::string presetOrder() const = 0;
    virtual void setPresetOrder(std::string_view text) = 0;
    virtual std::string presetText() const = 0;
    virtual void setPresetText(std::string_view text) = 0;
    // Asks the window to close once the current handler has returned.
    virtual void close() = 0;
};

void onSettingsWindowCreated(Program& program, SettingsForm& form);
void submitSettings(Program& program, SettingsForm& form);
void findPreset(Program& program, SettingsForm& form);
void submitPreset(Program& program, SettingsForm& form);

}  // namespace tesmira
