#pragma once
// The account's settings files in the settings directory:
//   "Config.ini"             every account's threshold, one section per account
//   name + "_好评 .TXT"      the account's general good-rating text
//   name + "_差评 .TXT"      the account's general bad-rating text
//   name + ".ini"            the account's bad-rating presets, one section per order
// Every operation builds its paths from the state's accountName as it runs.
// Writes that fail leave the files as they were; the shared values change
// all the same.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/shared_state.h"

namespace tesmira {

enum class RateKind { good, bad };

void loadRateTexts(const std::filesystem::path& settingsDirectory, SharedState& state);
void loadAutoRateDays(const std::filesystem::path& settingsDirectory, SharedState& state);

// The threshold as typed in the settings window; an empty text saves 5.
bool saveAutoRateDays(const std::filesystem::path& settingsDirectory, SharedState& state,
                      std::string_view text);
bool saveRateText(const std::filesystem::path& settingsDirectory, SharedState& state, RateKind kind,
                  std::string_view text);

// The preset of an order; empty when there is none.
std::string readBadRatePreset(const std::filesystem::path& settingsDirectory,
                              const SharedState& state, std::string_view orderId);
// The text a bad rating of an order carries: its preset, else the account's
// general bad-rating text.
std::string badRatingTextFor(const std::filesystem::path& settingsDirectory,
                             const SharedState& state, std::string_view orderId);
// The preset of an order whose number is a section of the preset file, found
// by exact comparison; the text may be empty.
std::optional<std::string> findBadRatePreset(const std::filesystem::path& settingsDirectory,
                                             const SharedState& state, std::string_view orderId);
bool saveBadRatePreset(const std::filesystem::path& settingsDirectory, const SharedState& state,
                       std::string_view orderId, std::string_view text);

}  // namespace tesmira
