// A program killed while it saves must leave every settings file whole: its
// old content or its new one, never a mixture, never empty, and the other
// accounts' sections always there. A child process saves thresholds, texts
// and presets without pause; the test kills it at random moments, hundreds of
// times, and looks at the files after each kill.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <set>
#include <thread>

#include "settings/settings_file.h"
#include "settings/settings_paths.h"
#include "settings/settings_store.h"
#include "support/gbk_text.h"
#include "support/temporary_directory.h"
#include "text/gbk_texts.h"

namespace tesmira {
namespace {

namespace fs = std::filesystem;
using test::gbk;

const char* const thresholds[] = {"3", "7", "12", "-1"};
const char* const goodTexts[] = {"欢迎再来！", "谢谢惠顾，祝您生活愉快", "好评"};
const char* const presets[] = {"拍下不付款", "恶意差评", "无理退货，多次骚扰"};
constexpr const char* presetOrder = "3100000000001000";

SharedState account(const char* utf8Name) {
    SharedState state;
    state.accountName = gbk(utf8Name);
    return state;
}

// What the files hold, file by file, after each possible save.
struct Contents {
    std::set<std::string> config, goodText, presets;
};

// The shop's files before the child starts: another account in Config.ini,
// another order's preset in the preset file.
void seed(const fs::path& dir) {
    SharedState other = account("隔壁小铺");
    saveAutoRateDays(dir, other, "9");
    SharedState shop = account("星光小店");
    saveAutoRateDays(dir, shop, "5");
    saveRateText(dir, shop, RateKind::good, gbk("欢迎光临！"));
    saveBadRatePreset(dir, shop, "3100000000009000", gbk("另一单的预置"));
    saveBadRatePreset(dir, shop, presetOrder, gbk("第一版预置"));
}

struct Files {
    fs::path config, goodText, presets;
};

Files filesOf(const fs::path& dir) {
    const SharedState shop = account("星光小店");
    return {configFilePath(dir), *accountFilePath(dir, shop.accountName, gbk::goodTextFileEnding),
            *accountFilePath(dir, shop.accountName, ".ini")};
}

// Every content a file may have: the seeded one, and the one after each save
// made alone, in a directory of its own.
Contents possibleContents() {
    Contents contents;
    test::TemporaryDirectory reference;
    const fs::path& dir = reference.path();
    seed(dir);
    const Files files = filesOf(dir);
    contents.config.insert(readFileOrEmpty(files.config));
    contents.goodText.insert(readFileOrEmpty(files.goodText));
    contents.presets.insert(readFileOrEmpty(files.presets));
    SharedState shop = account("星光小店");
    for (const char* days : thresholds) {
        saveAutoRateDays(dir, shop, days);
        contents.config.insert(readFileOrEmpty(files.config));
    }
    for (const char* text : goodTexts) {
        saveRateText(dir, shop, RateKind::good, gbk(text));
        contents.goodText.insert(readFileOrEmpty(files.goodText));
    }
    for (const char* text : presets) {
        saveBadRatePreset(dir, shop, presetOrder, gbk(text));
        contents.presets.insert(readFileOrEmpty(files.presets));
    }
    return contents;
}

[[noreturn]] void saveForEver(const fs::path& dir) {
    SharedState shop = account("星光小店");
    for (unsigned i = 0;; ++i) {
        saveAutoRateDays(dir, shop, thresholds[i % 4]);
        saveRateText(dir, shop, RateKind::good, gbk(goodTexts[i % 3]));
        saveBadRatePreset(dir, shop, presetOrder, gbk(presets[i % 3]));
    }
}

TEST(SettingsCrash, AKilledSaveLeavesEveryFileOldOrNewAndTheOtherSectionsThere) {
    const Contents possible = possibleContents();
    ASSERT_EQ(possible.config.size(), 5u);
    test::TemporaryDirectory directory;
    const fs::path& dir = directory.path();
    seed(dir);
    const Files files = filesOf(dir);

    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> microseconds(0, 20000);
    constexpr int kills = 300;
    int changedBetweenKills = 0;
    std::string lastConfig = readFileOrEmpty(files.config);
    for (int kill = 0; kill < kills; ++kill) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0)
            saveForEver(dir);
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);

        const std::string config = readFileOrEmpty(files.config);
        ASSERT_TRUE(possible.config.count(config)) << "kill " << kill << ": Config.ini is\n"
                                                   << config;
        ASSERT_TRUE(possible.goodText.count(readFileOrEmpty(files.goodText))) << "kill " << kill;
        ASSERT_TRUE(possible.presets.count(readFileOrEmpty(files.presets))) << "kill " << kill;
        // Read back through the store, the other account and the other
        // order are there.
        SharedState other = account("隔壁小铺");
        loadAutoRateDays(dir, other);
        ASSERT_EQ(other.autoRateDays, 9);
        ASSERT_EQ(findBadRatePreset(dir, account("星光小店"), "3100000000009000"),
                  gbk("另一单的预置"));
        changedBetweenKills += config != lastConfig;
        lastConfig = config;
    }
    // Stray temporary files may be left by a kill between write and rename;
    // they are never the settings themselves.
    int strays = 0;
    for (const auto& entry : fs::directory_iterator(dir))
        strays += entry.path() != files.config && entry.path() != files.goodText &&
                  entry.path() != files.presets;
    std::printf(
        "settings crash test: %d kills; Config.ini changed between kills %d times; "
        "%d temporary files left beside the settings\n",
        kills, changedBetweenKills, strays);
    EXPECT_GT(changedBetweenKills, kills / 10) << "the kills came too early to test anything";
}

}  // namespace
}  // namespace tesmira
