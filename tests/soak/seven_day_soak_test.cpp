// Seven days of the whole program against the simulated marketplace, on a
// clock that moves without real waiting: 10,000 orders, a verification code
// asked for during the first lookup, and the session lapsing every day and
// coming back through a new login. Every order that falls under the
// threshold is rated once, none twice, none early, none of those the buyer
// rated; and memory does not grow beyond the orders.

#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <random>

#include "orders/deal_time.h"
#include "support/program_fixture.h"
#include "support/resident_memory.h"
#include "text/gbk_texts.h"

namespace tesmira {
namespace {

class SevenDaySoak : public test::ProgramTest {
protected:
    bool paneAsksFor(const char* path) const {
        return pane->visible && pane->address().find(path) != std::string::npos;
    }
    // What the seller does when the pane comes up: type the code, or log in.
    void answerThePane() {
        if (paneAsksFor("/query.htm")) {
            pane->submitForm("https://" + program->hosts.securityHost + "/query.htm",
                             "checkCode=8421");
            loop.runEvents();
            ++verifications;
        }
        if (paneAsksFor("/member/login.jhtml")) {
            logInThroughThePane();
            ++logins;
        }
    }
    int verifications = 0, logins = 0;
};

TEST_F(SevenDaySoak, EveryOrderUnderTheThresholdIsRatedOnceAndMemoryStaysFlat) {
    constexpr int orderCount = 10000;
    constexpr int days = 7;
    marketsim::Scenario scenario;
    // Deal times from half a day to ten days back: over the week about three
    // quarters of them fall under the 5 days left of the default threshold.
    scenario.orders = marketsim::Scenario::sampleOrders(orderCount, 0.5, 9.5 * 24 / orderCount);
    scenario.verificationOnRequest = 3000;
    start(scenario);
    // The deal times stay where they were seeded while the program's clock runs.
    const LocalTime seeded = loop.clock.now();
    marketplace->site().configure(
        [seeded](marketsim::Scenario& s) { s.now = [seeded] { return seeded; }; });

    logInThroughThePane();
    answerThePane();
    ASSERT_EQ(verifications, 1);
    ASSERT_EQ(statusBar.parts[1], std::string(gbk::dataReadText));
    ASSERT_EQ(pendingList.rowCount() + ratedList.rowCount(), orderCount);

    std::map<std::string, LocalTime> dealTimes;  // the pending orders, as listed
    for (int row = 0; row < pendingList.rowCount(); ++row)
        dealTimes[pendingList.cellText(row, 0)] = readTimeText(pendingList.cellText(row, 2));
    std::set<std::string> ratedByBuyer;
    for (int row = 0; row < ratedList.rowCount(); ++row)
        ratedByBuyer.insert(ratedList.cellText(row, 0));
    marketplace->log().clear();
    const long startKb = test::residentKilobytes();

    std::vector<long> dailyKb;
    std::vector<std::size_t> dailyRatings;
    std::vector<long> dailyHeap;  // bytes the allocator has handed out, in kB
    std::mt19937 random(7);
    std::map<std::string, int> ratings;
    std::size_t ratingsSeen = 0;
    int earlyRatings = 0;
    const auto takeRatings = [&] {
        const auto posted = marketplace->site().ratings();
        for (; ratingsSeen < posted.size(); ++ratingsSeen) {
            const std::string& id = posted[ratingsSeen].orderId;
            ++ratings[id];
            const auto deal = dealTimes.find(id);
            // Rated under 5 days left, as shown to one decimal: 10.05 days old.
            if (deal == dealTimes.end() ||
                loop.clock.now().secondsSinceEpoch - deal->second.secondsSinceEpoch <
                    static_cast<std::int64_t>(10.05 * 86400) - 60)
                ++earlyRatings;
        }
    };
    for (int day = 0; day < days; ++day) {
        const int lapseAtMinute = std::uniform_int_distribution<int>(0, 24 * 60 - 1)(random);
        for (int minute = 0; minute < 24 * 60; ++minute) {
            if (minute == lapseAtMinute)
                marketplace->site().expireSessions();
            loop.advance(60000);
            answerThePane();
            takeRatings();
        }
        marketplace->log().clear();  // the simulator's own record is not the program's memory
        dailyKb.push_back(test::residentKilobytes());
        dailyHeap.push_back(static_cast<long>(mallinfo2().uordblks / 1024));
        dailyRatings.push_back(ratings.size());
    }
    const long endKb = test::residentKilobytes();

    const std::int64_t end = loop.clock.now().secondsSinceEpoch;
    int due = 0, missed = 0, twice = 0, ofBuyerRated = 0;
    for (const auto& [id, deal] : dealTimes) {
        // Due a minute ago or more: a tick has come since.
        const bool isDue =
            end - deal.secondsSinceEpoch >= static_cast<std::int64_t>(10.05 * 86400) + 60;
        due += isDue;
        missed += isDue && ratings.count(id) == 0;
    }
    for (const auto& [id, count] : ratings) {
        twice += count > 1;
        ofBuyerRated += ratedByBuyer.count(id) > 0;
    }
    std::printf(
        "seven-day soak: %d orders (%zu pending), %d due, %zu rated, %d verification, %d "
        "logins after lapses; resident memory %ld kB at the start, %ld kB at the end\n",
        orderCount, dealTimes.size(), due, ratings.size(), verifications, logins, startKb, endKb);
    for (std::size_t day = 0; day < dailyKb.size(); ++day)
        std::printf("  day %zu: %zu rated so far, resident %ld kB, heap in use %ld kB\n", day + 1,
                    dailyRatings[day], dailyKb[day], dailyHeap[day]);
    EXPECT_GT(due, orderCount / 3);
    EXPECT_EQ(missed, 0);
    EXPECT_EQ(twice, 0);
    EXPECT_EQ(earlyRatings, 0);
    EXPECT_EQ(ofBuyerRated, 0);
    EXPECT_GE(logins, days - 1) << "the session lapsed every day";
    // The rows rated leave the list, so the end holds less than the start;
    // allow the allocator some slack, not a leak's growth.
    EXPECT_LT(endKb, startKb + 16 * 1024);
}

}  // namespace
}  // namespace tesmira
