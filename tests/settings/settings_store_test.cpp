#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include "settings/profile_file.h"
#include "settings/settings_file.h"
#include "settings/settings_paths.h"
#include "support/gbk_text.h"
#include "support/temporary_directory.h"
#include "support/write_protection.h"

namespace tesmira {
namespace {

namespace fs = std::filesystem;
using test::gbk;

class SettingsStore : public testing::Test {
protected:
    SettingsStore() { state.accountName = gbk("店主"); }

    // The files as a file manager shows them, by their UTF-8 names.
    fs::path shown(std::string_view utf8Name) const {
        return directory.path() / fs::path(utf8Name);
    }
    std::string config() const { return readFileOrEmpty(directory.path() / "Config.ini"); }

    test::TemporaryDirectory directory;
    const fs::path& dir = directory.path();
    SharedState state;
};

TEST_F(SettingsStore, FirstLoginWritesTheDefaultTexts) {
    loadRateTexts(dir, state);
    EXPECT_EQ(state.goodRateText, gbk("欢迎光临！"));
    EXPECT_EQ(state.badRateText, gbk("互相的！"));
    EXPECT_EQ(readFileOrEmpty(shown("店主_好评 .TXT")), gbk("欢迎光临！"));
    EXPECT_EQ(readFileOrEmpty(shown("店主_差评 .TXT")), gbk("互相的！"));
    EXPECT_EQ(readFileOrEmpty(shown("店主_好评 .TXT")).size(), 10u);
    EXPECT_EQ(readFileOrEmpty(shown("店主_差评 .TXT")).size(), 8u);
}

TEST_F(SettingsStore, RateTextsLoadAsTheFilesHoldThem) {
    using namespace std::string_literals;
    struct Case {
        std::string file, loaded, afterwards;
    };
    const Case cases[] = {
        {gbk("谢谢惠顾\r\n欢迎再来"), gbk("谢谢惠顾\r\n欢迎再来"), gbk("谢谢惠顾\r\n欢迎再来")},
        {"\0rest"s, gbk("欢迎光临！"), gbk("欢迎光临！")},  // a leading zero byte: the default
        {"ok\0rest"s, "ok", "ok\0rest"s},                   // cut at the zero byte, file left
        {"", gbk("欢迎光临！"), gbk("欢迎光临！")},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(replaceFile(shown("店主_好评 .TXT"), c.file));
        loadRateTexts(dir, state);
        EXPECT_EQ(state.goodRateText, c.loaded);
        EXPECT_EQ(readFileOrEmpty(shown("店主_好评 .TXT")), c.afterwards);
    }
}

TEST_F(SettingsStore, ThresholdReadsAsADecimalWithFiveAsTheDefault) {
    const std::pair<std::optional<std::string>, std::int32_t> cases[] = {
        {"0", 5},   {"", 5},       {"abc", 5}, {std::nullopt, 5},
        {"  7", 7}, {"7 days", 7}, {"-2", -2}, {"12", 12},
    };
    for (const auto& [value, days] : cases) {
        std::string file = "[" + gbk("其他店") + "]\r\n" + gbk("自动评价时间") + "=9\r\n";
        if (value) {
            file += "[" + gbk("店主") + "]\r\n" + gbk("自动评价时间") + "=" + *value + "\r\n";
        }
        ASSERT_TRUE(replaceFile(dir / "Config.ini", file));
        loadAutoRateDays(dir, state);
        EXPECT_EQ(state.autoRateDays, days) << value.value_or("(missing)");
        EXPECT_EQ(config(), file) << "loading writes nothing";
    }
}

TEST_F(SettingsStore, SavedThresholdsAreStoredAsTyped) {
    struct Case {
        std::string_view typed, stored;
        std::int32_t days, afterNextLogin;
    };
    const Case cases[] = {
        {"", "5", 5, 5},      {"2.5", "2.5", 2, 2}, {"-", "-", 0, 5},
        {"10", "10", 10, 10}, {"-3", "-3", -3, -3},
    };
    ASSERT_TRUE(writeProfileString(dir / "Config.ini", gbk("其他店"), gbk("自动评价时间"), "9"));
    for (const Case& c : cases) {
        EXPECT_TRUE(saveAutoRateDays(dir, state, c.typed));
        EXPECT_EQ(state.autoRateDays, c.days) << c.typed;
        EXPECT_EQ(readProfileString(dir / "Config.ini", state.accountName, gbk("自动评价时间")),
                  c.stored);
        loadAutoRateDays(dir, state);
        EXPECT_EQ(state.autoRateDays, c.afterNextLogin) << c.typed;
    }
    EXPECT_EQ(readProfileString(dir / "Config.ini", gbk("其他店"), gbk("自动评价时间")), "9")
        << "another account's threshold is kept";
}

TEST_F(SettingsStore, SavedTextsReplaceTheValueAndTheFile) {
    EXPECT_TRUE(saveRateText(dir, state, RateKind::good, gbk("好评\r\n多谢")));
    EXPECT_TRUE(saveRateText(dir, state, RateKind::bad, gbk("差")));
    EXPECT_EQ(state.goodRateText, gbk("好评\r\n多谢"));
    EXPECT_EQ(state.badRateText, gbk("差"));
    EXPECT_EQ(readFileOrEmpty(shown("店主_好评 .TXT")), gbk("好评\r\n多谢"));
    EXPECT_EQ(readFileOrEmpty(shown("店主_差评 .TXT")), gbk("差"));
}

TEST_F(SettingsStore, PresetsAreReadFoundAndSavedPerOrder) {
    EXPECT_EQ(readBadRatePreset(dir, state, "1001"), "") << "no preset file yet";
    EXPECT_EQ(findBadRatePreset(dir, state, "1001"), std::nullopt);

    EXPECT_TRUE(saveBadRatePreset(dir, state, "1001", gbk("质量太差")));
    EXPECT_TRUE(saveBadRatePreset(dir, state, "1002", "x"));
    EXPECT_TRUE(saveBadRatePreset(dir, state, "1002", gbk("恶意差评\r\n[1003]")));
    EXPECT_TRUE(fs::exists(shown("店主.ini")));

    EXPECT_EQ(readBadRatePreset(dir, state, "1001"), gbk("质量太差"));
    EXPECT_EQ(readBadRatePreset(dir, state, "1002"), gbk("恶意差评 [1003]"));
    EXPECT_EQ(findBadRatePreset(dir, state, "1002"), gbk("恶意差评 [1003]"));
    EXPECT_EQ(findBadRatePreset(dir, state, "1003"), std::nullopt)
        << "a line of a preset must not become an order's section";
    EXPECT_EQ(readBadRatePreset(dir, state, "9999"), "");

    ASSERT_TRUE(writeProfileString(shown("店主.ini"), "1004", "other", "v"));
    EXPECT_EQ(findBadRatePreset(dir, state, "1004"), std::optional<std::string>(""))
        << "a section without the key is found, with an empty text";

    EXPECT_TRUE(saveBadRatePreset(dir, state, "AB12", "t"));
    EXPECT_EQ(findBadRatePreset(dir, state, "ab12"), std::nullopt) << "found by exact comparison";
    EXPECT_EQ(readBadRatePreset(dir, state, "ab12"), "t") << "read as the INI functions match";

    EXPECT_FALSE(saveBadRatePreset(dir, state, "1]\n[1001", "smuggled"));
    EXPECT_EQ(readBadRatePreset(dir, state, "1001"), gbk("质量太差"));
}

TEST_F(SettingsStore, FailedWritesChangeTheValuesAndKeepTheFiles) {
    loadRateTexts(dir, state);
    ASSERT_TRUE(saveAutoRateDays(dir, state, "7"));
    ASSERT_TRUE(saveBadRatePreset(dir, state, "1001", "old"));
    const std::string configBefore = config();
    {
        const test::WriteProtection readOnly(dir, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(saveAutoRateDays(dir, state, "3"));
        EXPECT_EQ(state.autoRateDays, 3);
        EXPECT_FALSE(saveRateText(dir, state, RateKind::good, "new"));
        EXPECT_EQ(state.goodRateText, "new");
        EXPECT_FALSE(saveBadRatePreset(dir, state, "1001", "new"));
    }
    EXPECT_EQ(config(), configBefore);
    EXPECT_EQ(readFileOrEmpty(shown("店主_好评 .TXT")), gbk("欢迎光临！"));
    EXPECT_EQ(readBadRatePreset(dir, state, "1001"), "old");
}

TEST_F(SettingsStore, DefaultsHoldWhenTheDirectoryCannotBeWritten) {
    const test::WriteProtection readOnly(dir, fs::perms::owner_read | fs::perms::owner_exec);
    loadRateTexts(dir, state);
    EXPECT_EQ(state.goodRateText, gbk("欢迎光临！"));
    EXPECT_EQ(state.badRateText, gbk("互相的！"));
}

// The account's name comes from a page; it must not lead a write elsewhere.
TEST_F(SettingsStore, AnAccountNameThatCannotNameAFileTouchesNoFile) {
    for (const std::string& name : {std::string("../escape"), std::string("a\\b"),
                                    std::string("bad\xFF\xFFgbk"), std::string("x:y")}) {
        state.accountName = name;
        loadRateTexts(dir, state);
        EXPECT_EQ(state.goodRateText, gbk("欢迎光临！"));
        EXPECT_FALSE(saveRateText(dir, state, RateKind::bad, "t"));
        EXPECT_FALSE(saveBadRatePreset(dir, state, "1001", "t"));
        EXPECT_EQ(readBadRatePreset(dir, state, "1001"), "");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 0);
    EXPECT_FALSE(fs::exists(dir.parent_path() / "escape_\xBA\xC3\xC6\xC0 .TXT"));
}

TEST(SettingsDirectory, FallsBackToTheUserDirectoryWhenTheProgramsCannotBeWritten) {
    const test::TemporaryDirectory program;
    const test::TemporaryDirectory user;
    const fs::path userSettings = user.path() / "tesmira";
    EXPECT_EQ(chooseSettingsDirectory(program.path(), userSettings), program.path());
    EXPECT_EQ(std::distance(fs::directory_iterator(program.path()), fs::directory_iterator()), 0)
        << "the probe leaves nothing behind";
    {
        const test::WriteProtection readOnly(program.path(),
                                             fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(chooseSettingsDirectory(program.path(), userSettings), userSettings);
    }
    EXPECT_TRUE(fs::is_directory(userSettings));
}

}  // namespace
}  // namespace tesmira
