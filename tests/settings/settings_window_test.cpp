#include "settings/settings_window.h"

#include <gtest/gtest.h>

#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "support/gbk_text.h"
#include "support/program_fixture.h"

namespace tesmira {
namespace {

using test::gbk;

struct MemoryForm final : SettingsForm {
    std::string good, bad, days, order, preset;
    bool closed = false;
    std::string goodText() const override { return good; }
    void setGoodText(std::string_view t) override { good = t; }
    std::string badText() const override { return bad; }
    void setBadText(std::string_view t) override { bad = t; }
    std::string daysText() const override { return days; }
    void setDaysText(std::string_view t) override { days = t; }
    std::string presetOrder() const override { return order; }
    void setPresetOrder(std::string_view t) override { order = t; }
    std::string presetText() const override { return preset; }
    void setPresetText(std::string_view t) override { preset = t; }
    void close() override { closed = true; }
};

class SettingsWindow : public test::ProgramTest {
protected:
    void SetUp() override {
        startOffline();
        program->state.accountName = gbk("店主");
        loadRateTexts(settings.path(), program->state);
        loadAutoRateDays(settings.path(), program->state);
        onSettingsWindowCreated(*program, form);
    }
    MemoryForm form;
};

TEST_F(SettingsWindow, OpensWithTheCurrentValues) {
    EXPECT_EQ(form.good, gbk("欢迎光临！"));
    EXPECT_EQ(form.bad, gbk("互相的！"));
    EXPECT_EQ(form.days, "5");
    EXPECT_FALSE(form.closed);

    program->state.accountName.clear();
    MemoryForm withoutAccount;
    onSettingsWindowCreated(*program, withoutAccount);
    EXPECT_TRUE(withoutAccount.closed);
}

TEST_F(SettingsWindow, SubmittingSavesTheThresholdAndTheTextsThatAreNotEmpty) {
    form.days = "";
    form.good = "";
    form.bad = gbk("差评");
    submitSettings(*program, form);
    EXPECT_EQ(program->state.autoRateDays, 5);
    EXPECT_EQ(program->state.goodRateText, gbk("欢迎光临！")) << "an emptied box changes nothing";
    EXPECT_EQ(readFileOrEmpty(settings.path() / "店主_好评 .TXT"), gbk("欢迎光临！"));
    EXPECT_EQ(readFileOrEmpty(settings.path() / "店主_差评 .TXT"), gbk("差评"));
    EXPECT_NE(readFileOrEmpty(settings.path() / "Config.ini").find("=5"), std::string::npos);
}

TEST_F(SettingsWindow, PresetsAreFoundAndSubmitted) {
    form.preset = "kept";
    form.order = "1001";
    findPreset(*program, form);
    EXPECT_EQ(form.preset, "kept") << "no preset: the box keeps its text";

    form.preset = "";
    submitPreset(*program, form);
    EXPECT_EQ(form.order, "1001") << "an empty box: nothing done, nothing cleared";

    form.preset = gbk("第一行\r\n第二行");
    submitPreset(*program, form);
    EXPECT_EQ(form.order, "");
    EXPECT_EQ(form.preset, "");
    form.order = "1001";
    findPreset(*program, form);
    EXPECT_EQ(form.preset, gbk("第一行 第二行"));
}

}  // namespace
}  // namespace tesmira
