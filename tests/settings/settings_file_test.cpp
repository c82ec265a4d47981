#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "support/temporary_directory.h"
#include "support/write_protection.h"

namespace tesmira {
namespace {

namespace fs = std::filesystem;

TEST(ReplaceFile, ReplacesTheWholeFileAtOnce) {
    const test::TemporaryDirectory directory;
    const fs::path file = directory.path() / "Config.ini";
    ASSERT_TRUE(replaceFile(file, "old contents"));
    // A second name for the old file keeps seeing the old bytes: the new
    // contents arrived as a new file renamed over it, not by rewriting it.
    fs::create_hard_link(file, directory.path() / "old-view");

    ASSERT_TRUE(replaceFile(file, std::string("new\0bytes", 9)));
    EXPECT_EQ(readFileOrEmpty(file), std::string("new\0bytes", 9));
    EXPECT_EQ(readFileOrEmpty(directory.path() / "old-view"), "old contents");
    EXPECT_EQ(std::distance(fs::directory_iterator(directory.path()), fs::directory_iterator()), 2)
        << "no temporary file is left behind";
}

TEST(ReplaceFile, AFailedWriteLeavesTheOldFileWhole) {
    const test::TemporaryDirectory directory;
    const fs::path file = directory.path() / "Config.ini";
    ASSERT_TRUE(replaceFile(file, "old contents"));
    {
        const test::WriteProtection readOnly(directory.path(),
                                             fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(replaceFile(file, "new contents"));
    }
    EXPECT_EQ(readFileOrEmpty(file), "old contents");
    EXPECT_FALSE(replaceFile(directory.path() / "missing-directory" / "x", "bytes"));
}

TEST(ReadFile, TellsAMissingFileFromAnUnreadableOne) {
    const test::TemporaryDirectory directory;
    const fs::path file = directory.path() / "a.ini";
    EXPECT_EQ(readFileIfReadable(file), std::optional<std::string>(""));
    ASSERT_TRUE(replaceFile(file, "[a]\nk=v\n"));
    EXPECT_EQ(readFileIfReadable(file), std::optional<std::string>("[a]\nk=v\n"));
    const test::WriteProtection unreadable(file, fs::perms::none);
    EXPECT_EQ(readFileIfReadable(file), std::nullopt);
    EXPECT_EQ(readFileOrEmpty(file), "");
}

}  // namespace
}  // namespace tesmira
