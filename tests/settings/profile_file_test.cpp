#include "settings/profile_file.h"

#include <gtest/gtest.h>

#include "settings/settings_file.h"
#include "support/temporary_directory.h"
#include "support/write_protection.h"

namespace tesmira {
namespace {

namespace fs = std::filesystem;

class ProfileFile : public testing::Test {
protected:
    test::TemporaryDirectory directory;
    fs::path file = directory.path() / "Config.ini";
};

// A file as the Windows functions write and hand edits leave it.
TEST_F(ProfileFile, ReadsFilesAsTheWindowsFunctionsDo) {
    ASSERT_TRUE(
        replaceFile(file,
                    "; settings\r\n[Shop]\r\nDays = 7 \r\nempty=\r\n\r\n[\xB5\xEA\xD6\xF7]\r\n"
                    "key=\xBA\xC3\xC6\xC0\r\n[ spaced ]\r\nk=v\r\n"));
    struct Case {
        std::string_view section, key;
        std::string value;
    };
    const Case cases[] = {
        {"Shop", "Days", "7"}, {"SHOP", "days", "7"},  // names match without regard to case
        {"Shop", "empty", ""}, {"Shop", "missing", ""},
        {"Other", "Days", ""}, {"\xB5\xEA\xD6\xF7", "KEY", "\xBA\xC3\xC6\xC0"},
        {"spaced", "k", "v"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readProfileString(file, c.section, c.key), c.value) << c.section << "/" << c.key;
    }
    EXPECT_EQ(readProfileString(directory.path() / "missing.ini", "Shop", "Days"), "");
}

TEST_F(ProfileFile, WritesKeepEverythingElseOfTheFile) {
    ASSERT_TRUE(writeProfileString(file, "a", "k", "1"));
    ASSERT_TRUE(writeProfileString(file, "b", "k", "2"));
    ASSERT_TRUE(writeProfileString(file, "A", "K", "3"));  // the same section and key as a/k
    EXPECT_EQ(readProfileString(file, "a", "k"), "3");
    EXPECT_EQ(readProfileString(file, "b", "k"), "2");
    EXPECT_EQ(profileSectionNames(file), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(readFileOrEmpty(file), "[a]\nk=3\n\n\n[b]\nk=2\n");
}

TEST_F(ProfileFile, AValueStaysOnOneLine) {
    ASSERT_TRUE(writeProfileString(file, "1001", "k", "first\r\nsecond\n[1002]\rk=x"));
    EXPECT_EQ(readProfileString(file, "1001", "k"), "first second [1002] k=x");
    EXPECT_EQ(profileSectionNames(file), std::vector<std::string>{"1001"})
        << "a line of the text must not become a section";
    ASSERT_TRUE(writeProfileString(file, "1001", "k", std::string("cut\0here", 8)));
    EXPECT_EQ(readProfileString(file, "1001", "k"), "cut");
}

TEST_F(ProfileFile, SectionNamesThatWouldBreakTheLayoutAreRefused) {
    using namespace std::string_view_literals;
    for (const std::string_view section : {"1]2"sv, "[1"sv, "1\n2"sv, "1\r"sv,
                                           "1\0"
                                           "2"sv,
                                           ""sv}) {
        EXPECT_FALSE(isValidSectionName(section));
        EXPECT_FALSE(writeProfileString(file, section, "k", "v"));
        EXPECT_EQ(readProfileString(file, section, "k"), "");
    }
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(isValidSectionName("3100000000000001"));
}

TEST_F(ProfileFile, LongValuesReadBackCutAsByTheWindowsBuffer) {
    const std::string value(20000, 'x');
    ASSERT_TRUE(writeProfileString(file, "a", "k", value));
    EXPECT_EQ(readProfileString(file, "a", "k"), value.substr(0, 10239));
}

TEST_F(ProfileFile, AFileThatCannotBeReadIsNotOverwritten) {
    ASSERT_TRUE(writeProfileString(file, "other", "k", "keep me"));
    {
        const test::WriteProtection unreadable(file, fs::perms::owner_write);
        EXPECT_FALSE(writeProfileString(file, "mine", "k", "v"));
    }
    EXPECT_EQ(readProfileString(file, "other", "k"), "keep me");
    EXPECT_EQ(readProfileString(file, "mine", "k"), "");
}

}  // namespace
}  // namespace tesmira
