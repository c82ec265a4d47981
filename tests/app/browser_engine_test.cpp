#include "app/browser_engine.h"

#include <gtest/gtest.h>

namespace tesmira {
namespace {

TEST(BrowserEngine, VersionIsTheFieldBetweenTheFirstTwoDots) {
    const std::pair<std::string_view, std::int32_t> cases[] = {
        {"9.11.9600.19180", 11},
        {"9.10.9200.16384", 10},
        {"9.0.8112.16421", 0},
        {"8.0.6001.18702", 0},
        {"9.11", 0},
        {"", 0},
        {"11", 0},
        {"9..1", 0},
        {"9.x1.2", 0},
        {"9.8rc.2", 8},
    };
    for (const auto& [text, version] : cases) {
        EXPECT_EQ(browserEngineVersionOf(text), version) << '"' << text << '"';
    }
}

TEST(BrowserEngine, EmulationValueFollowsTheVersion) {
    const std::pair<std::int32_t, std::optional<std::uint32_t>> cases[] = {
        {11, 10000},       {10, 10000},       {9, 9999},          {8, 8888},
        {7, std::nullopt}, {0, std::nullopt}, {-1, std::nullopt},
    };
    for (const auto& [version, value] : cases) {
        EXPECT_EQ(browserEmulationValue(version), value) << version;
    }
    EXPECT_EQ(browserEmulationValue(browserEngineVersionOf("9.11.9600.19180")), 10000u);
    EXPECT_FALSE(browserEmulationValue(browserEngineVersionOf("9.0.8112.16421")).has_value());
}

}  // namespace
}  // namespace tesmira
