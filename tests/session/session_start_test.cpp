#include "session/session_start.h"

#include <gtest/gtest.h>

#include "support/gbk_text.h"
#include "support/program_fixture.h"

namespace tesmira {
namespace {

using test::gbk;

std::uint32_t littleEndian(const std::string& bytes, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

TEST(BuildWindowIcon, KeepsTheTemplatesHeadersAndMaskAroundThePixels) {
    std::string pixels;
    for (int i = 0; i < 3072; ++i)
        pixels += static_cast<char>(i % 251);
    const std::string icon = buildWindowIcon(pixels);
    ASSERT_EQ(icon.size(), 3262u);
    const std::tuple<std::size_t, int, std::uint32_t> fields[] = {
        {0, 2, 0},   {2, 2, 1},   {4, 2, 1},  {6, 1, 32},    {7, 1, 32},  {8, 1, 0},
        {9, 1, 0},   {10, 2, 0},  {12, 2, 0}, {14, 4, 3240}, {18, 4, 22}, {22, 4, 40},
        {26, 4, 32}, {30, 4, 64}, {34, 2, 1}, {36, 2, 24},   {38, 4, 0},  {42, 4, 3200},
    };
    for (const auto& [offset, size, value] : fields) {
        EXPECT_EQ(littleEndian(icon, offset, size), value) << "at " << offset;
    }
    EXPECT_EQ(icon.substr(46, 16), std::string(16, '\0'));
    EXPECT_EQ(icon.substr(62, 3072), pixels);
    EXPECT_EQ(icon.substr(3134), std::string(128, '\0')) << "every pixel opaque";
    EXPECT_EQ(buildWindowIcon("").substr(62, 3072), std::string(3072, '\xFF'))
        << "the blank canvas";
}

class SessionStart : public test::ProgramTest {};

TEST_F(SessionStart, APageWithoutTheProfileChangesNothingAndTheFirstProfileWins) {
    startOffline();
    startSession(*program, "<html>" + gbk("编辑资料") + " without its span</html>");
    EXPECT_TRUE(program->state.accountName.empty());
    EXPECT_FALSE(window.settingsEnabled);

    const auto block = [](const std::string& name, const std::string& id) {
        return "<span>" + gbk("编辑资料") +
               "</span><img src=\"//wwc.alicdn.com/a.png\">\n<input value=\"" + name +
               "\"><input value=\"" + id + "\">";
    };
    startSession(*program, block(gbk("第一店"), "111") + block(gbk("第二店"), "222"));
    EXPECT_EQ(program->state.accountName, gbk("第一店"));
    EXPECT_EQ(program->state.sellerNumId, "111");
    EXPECT_TRUE(program->state.avatarImage.empty())
        << "no request object: the avatar request failed";
    EXPECT_EQ(window.icon, buildWindowIcon("")) << "the icon of the blank canvas";
    EXPECT_TRUE(window.settingsEnabled);
    EXPECT_EQ(program->state.activeListName, gbk("超级列表1"));
}

}  // namespace
}  // namespace tesmira
