#include "settings/settings_store.h"

#include "session/response_text.h"
#include "settings/profile_file.h"
#include "settings/settings_file.h"
#include "settings/settings_paths.h"
#include "text/decimal_text.h"
#include "text/gbk_texts.h"

namespace tesmira {
namespace {

std::string_view fileEnding(RateKind kind) {
    return kind == RateKind::good ? gbk::goodTextFileEnding : gbk::badTextFileEnding;
}

std::string& rateText(SharedState& state, RateKind kind) {
    return kind == RateKind::good ? state.goodRateText : state.badRateText;
}

void loadRateText(const std::filesystem::path& directory, SharedState& state, RateKind kind,
                  std::string_view defaultText) {
    const auto file = accountFilePath(directory, state.accountName, fileEnding(kind));
    std::string text = file ? responseText(readFileOrEmpty(*file)) : std::string();
    if (text.empty()) {
        text = defaultText;
        if (file) {
            replaceFile(*file, text);
        }
    }
    rateText(state, kind) = std::move(text);
}

std::optional<std::filesystem::path> presetFile(const std::filesystem::path& directory,
                                                const SharedState& state) {
    return accountFilePath(directory, state.accountName, ".ini");
}

}  // namespace

void loadRateTexts(const std::filesystem::path& settingsDirectory, SharedState& state) {
    loadRateText(settingsDirectory, state, RateKind::good, gbk::defaultGoodRateText);
    loadRateText(settingsDirectory, state, RateKind::bad, gbk::defaultBadRateText);
}

void loadAutoRateDays(const std::filesystem::path& settingsDirectory, SharedState& state) {
    const std::int32_t days = leadingInteger(readProfileString(
        configFilePath(settingsDirectory), state.accountName, gbk::autoRateTimeKey));
    state.autoRateDays = days == 0 ? 5 : days;
}

bool saveAutoRateDays(const std::filesystem::path& settingsDirectory, SharedState& state,
                      std::string_view text) {
    const std::string_view stored = text.empty() ? std::string_view("5") : text;
    state.autoRateDays = leadingInteger(stored);
    return writeProfileString(configFilePath(settingsDirectory), state.accountName,
                              gbk::autoRateTimeKey, stored);
}

bool saveRateText(const std::filesystem::path& settingsDirectory, SharedState& state, RateKind kind,
                  std::string_view text) {
    rateText(state, kind) = text;
    const auto file = accountFilePath(settingsDirectory, state.accountName, fileEnding(kind));
    return file && replaceFile(*file, text);
}

std::string readBadRatePreset(const std::filesystem::path& settingsDirectory,
                              const SharedState& state, std::string_view orderId) {
    const auto file = presetFile(settingsDirectory, state);
    return file ? readProfileString(*file, orderId, gbk::badRateContentKey) : std::string();
}

std::string badRatingTextFor(const std::filesystem::path& settingsDirectory,
                             const SharedState& state, std::string_view orderId) {
    std::string text = readBadRatePreset(settingsDirectory, state, orderId);
    return text.empty() ? state.badRateText : text;
}

std::optional<std::string> findBadRatePreset(const std::filesystem::path& settingsDirectory,
                                             const SharedState& state, std::string_view orderId) {
    const auto file = presetFile(settingsDirectory, state);
    if (!file || !isValidSectionName(orderId)) {
        return std::nullopt;
    }
    for (const std::string& section : profileSectionNames(*file)) {
        if (section == orderId) {
            return readProfileString(*file, orderId, gbk::badRateContentKey);
        }
    }
    return std::nullopt;
}

bool saveBadRatePreset(const std::filesystem::path& settingsDirectory, const SharedState& state,
                       std::string_view orderId, std::string_view text) {
    const auto file = presetFile(settingsDirectory, state);
    return file && writeProfileString(*file, orderId, gbk::badRateContentKey, text);
}

}  // namespace tesmira
