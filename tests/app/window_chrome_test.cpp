#include "app/window_chrome.h"

#include <gtest/gtest.h>

#include "app/lifecycle.h"
#include "support/gbk_text.h"
#include "support/program_fixture.h"

namespace tesmira {
namespace {

using test::gbk;

class WindowChrome : public test::ProgramTest {
protected:
    void SetUp() override {
        startOffline();
        for (const char* id : {"1001", "1002", "1003"})
            pendingList.insertRow(pendingList.rowCount(), id);
        for (const char* id : {"2001", "2002"})
            ratedList.insertRow(ratedList.rowCount(), id);
    }
};

TEST_F(WindowChrome, TheWindowHidesIntoTheTrayOnlyAfterLogin) {
    minimizeToTray(*program);
    EXPECT_TRUE(window.visible);
    EXPECT_TRUE(tray.balloons.empty());

    program->state.accountName = gbk("店主");
    minimizeToTray(*program);
    EXPECT_FALSE(window.visible);
    ASSERT_EQ(tray.balloons.size(), 1u);
    EXPECT_EQ(tray.balloons[0].title, gbk("店主"));
    EXPECT_EQ(tray.balloons[0].text, gbk("软件已经缩小到这里了，要使用时请点击此处打开！"));
    EXPECT_EQ(tray.balloons[0].milliseconds, 3000);
    restoreFromTray(*program);
    restoreFromTray(*program);
    EXPECT_TRUE(window.visible);
}

TEST_F(WindowChrome, TheOrderMenuOpensOnlyOverSelectedRows) {
    EXPECT_FALSE(showOrderMenu(*program, ListRole::rated));
    EXPECT_TRUE(program->state.activeListName.empty());
    ratedList.select({1});
    EXPECT_TRUE(showOrderMenu(*program, ListRole::rated));
    EXPECT_EQ(program->state.activeListName, gbk("超级列表2"));
    pendingList.select({0});
    EXPECT_TRUE(showOrderMenu(*program, ListRole::pending));
    EXPECT_EQ(program->state.activeListName, gbk("超级列表1"));
}

TEST_F(WindowChrome, CopyingTakesTheCurrentRowOfTheListTheMenuWasOpenedOver) {
    struct Case {
        const char* name;
        std::vector<int> pendingSelection, ratedSelection;
        ListRole menuOver;
        std::string copied;
    };
    const Case cases[] = {
        {"one pending row", {1}, {}, ListRole::pending, "1002"},
        {"one rated row, none pending", {}, {1}, ListRole::rated, "2002"},
        {"one rated row, two pending", {0, 2}, {0}, ListRole::rated, "2001"},
        {"two pending rows", {0, 2}, {}, ListRole::pending, ""},
    };
    for (const Case& c : cases) {
        clipboard.text.clear();
        statusBar.parts.clear();
        pendingList.select(c.pendingSelection);
        ratedList.select(c.ratedSelection);
        showOrderMenu(*program, c.menuOver);
        copyOrderNumber(*program);
        EXPECT_EQ(clipboard.text, c.copied) << c.name;
        EXPECT_EQ(statusBar.parts[1], c.copied.empty() ? "" : c.copied + gbk(" 复制成功"))
            << c.name;
    }
}

TEST_F(WindowChrome, ThePopupShowsItsAddressAndEmptiesItWhenClosed) {
    test::MemoryPane popupBrowser(loop, cookies, {});
    program->state.popupAddress = "https://rate.taobao.com/myRate.htm";
    onPopupWindowCreated(*program, popupBrowser);
    EXPECT_EQ(popupBrowser.navigations,
              std::vector<std::string>{"https://rate.taobao.com/myRate.htm"});
    onPopupWindowDestroyed(*program);
    EXPECT_TRUE(program->state.popupAddress.empty());
}

}  // namespace
}  // namespace tesmira
