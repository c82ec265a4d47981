// The program's own work for a seller with many orders, against the
// simulated marketplace on loopback: the query chain of 10,000 unrated orders
// (667 pages), and one automatic tick that rates 1,000 orders. Times are the
// CPU time of the program's thread, so the simulator's own threads and the
// waiting for answers do not count.

#include <time.h>

#include <chrono>
#include <cstdio>

#include "app/lifecycle.h"
#include "marketplace.h"
#include "orders/page_patterns.h"
#include "orders/rating_schedule.h"
#include "orders/sold_orders_query.h"
#include "orders/text_between.h"
#include "pages.h"
#include "site_pages.h"
#include "support/memory_controls.h"
#include "text/pattern.h"

namespace {

using namespace tesmira;

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

struct NoPause final : EventPause {
    void pause(int) override {}
    void handlePendingEvents() override {}
};

struct Harness {
    explicit Harness(marketsim::Scenario scenario) {
        marketplace = std::make_unique<marketsim::Marketplace>(std::move(scenario));
        if (!marketplace->start())
            std::abort();
        options.extraCaFile = marketplace->caFile();
        options.userAgent = "Tesmira bench";
        program = std::make_unique<Program>(Program{
            .state = {},
            .hosts = marketplace->hosts(),
            .settingsDirectory = "/nonexistent",
            .cookies = cookies,
            .controls = Controls{pending, rated, status, autoTimer, refreshTimer, pane, popup,
                                 clipboard, tray, pause, window, pictures, loop.clock}});
        popup.program = program.get();
        createHttpRequest(*program, options);
        const marketsim::Account account;
        httpExchange(program->state.httpRequest.get(), "POST",
                     "https://" + program->hosts.loginHost + "/member/login.jhtml",
                     {{"Content-Type", "application/x-www-form-urlencoded"}},
                     "TPL_username=" + account.loginName + "&TPL_password=" + account.password);
        program->state.sellerNumId = account.numericId;
        program->state.accountName = account.accountName;
        program->state.goodRateText = "good";
        program->state.autoRateDays = 5;
    }

    test::EventLoop loop{localTimeOf(2026, 12, 11, 9)};
    CookieStore cookies;
    test::MemoryOrderList pendingStore{4}, ratedStore{3};
    test::MemoryOrderList& pending = pendingStore;
    test::MemoryOrderList& rated = ratedStore;
    test::MemoryStatusBar status;
    test::MemoryTimer autoTimer{loop, [] {}}, refreshTimer{loop, [] {}};
    HttpRequestOptions options;
    test::MemoryPane pane{loop, cookies, options};
    test::MemoryPopup popup;
    test::MemoryClipboard clipboard;
    test::MemoryTray tray;
    NoPause pause;
    test::MemoryWindow window;
    test::FixedPictures pictures;
    std::unique_ptr<marketsim::Marketplace> marketplace;
    std::unique_ptr<Program> program;
};

void queryChain() {
    constexpr int orders = 10000;
    marketsim::Scenario scenario;
    scenario.orders = marketsim::Scenario::sampleOrders(orders, 1, 0.02);
    // The lookup that follows the last page stops at its first order: only the chain is measured.
    scenario.faults = {{marketsim::Endpoint::orderDetail, marketsim::FaultKind::emptyBody}};
    Harness harness(scenario);

    const double start = threadSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    querySoldOrders(*harness.program, 1);
    const double cpu = threadSeconds() - start;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    const int pages = (orders + 14) / 15;

    // The page parsing alone, over answers of the same shape.
    const Pattern rows(soldOrderRowPattern);
    const Pattern page(currentPagePattern);
    std::vector<std::string> answers;
    const auto seeds = marketsim::Scenario::sampleOrders(orders, 1, 0.02);
    for (int p = 0; p < pages; ++p) {
        std::vector<marketsim::SoldOrderRow> pageRows;
        for (int i = p * 15; i < std::min(orders, p * 15 + 15); ++i) {
            pageRows.push_back({seeds[i].orderId, seeds[i].buyerNick, "x"});
        }
        answers.push_back(marketsim::soldOrdersAnswer(pageRows, p + 1));
    }
    const double parseStart = threadSeconds();
    for (const std::string& answer : answers) {
        const std::string data = textBetween(answer, "window.data", "</script>");
        rows.findAll(data);
        page.findFirst(data);
    }
    const double parseSeconds = threadSeconds() - parseStart;

    // The list work of the chain alone: a find, an insert at the top and a
    // cell for every order, as the query does them.
    test::MemoryOrderList list(4);
    const double listStart = threadSeconds();
    for (const auto& seed : seeds) {
        if (list.findRow(seed.orderId) < 0)
            list.setCellText(list.insertRow(0, seed.orderId), 1, seed.buyerNick);
    }
    const double listSeconds = threadSeconds() - listStart;

    std::printf(
        "figure: query chain of %d orders on %d pages: %d listed; program CPU %.1f ms (%.1f us a "
        "page, "
        "%.2f us an order), wall %.2f s\n",
        orders, pages, harness.pendingStore.rowCount() + harness.ratedStore.rowCount(), cpu * 1e3,
        cpu / pages * 1e6, cpu / orders * 1e6, wall);
    std::printf(
        "figure: list finds and inserts in that chain: %.1f ms, against %.1f ms parsing the pages "
        "(%.2fx; goal below 1x) %s\n",
        listSeconds * 1e3, parseSeconds * 1e3, listSeconds / parseSeconds,
        listSeconds < parseSeconds ? "met" : "NOT met");
}

void automaticTick() {
    constexpr int orders = 1000;
    marketsim::Scenario scenario;
    scenario.orders = marketsim::Scenario::sampleOrders(orders, 14.9, 0);
    Harness harness(scenario);
    const std::string dealTime = marketsim::timeText(LocalTime{
        harness.loop.clock.now().secondsSinceEpoch - static_cast<std::int64_t>(14.9 * 86400)});
    for (const auto& order : scenario.orders) {
        const int row =
            harness.pendingStore.insertRow(harness.pendingStore.rowCount(), order.orderId);
        harness.pendingStore.setCellText(row, 2, dealTime);
    }
    const long connectionsBefore = harness.program->state.httpRequest->connectionsOpened();
    const double start = threadSeconds();
    autoRateTick(*harness.program);
    const double cpu = threadSeconds() - start;
    const auto ratings = harness.marketplace->site().ratings().size();
    std::printf(
        "figure: one automatic tick: %zu of %d orders rated; program CPU %.1f us a rating; "
        "%ld connections opened for them (goal: one, to the rating host)\n",
        ratings, orders, cpu / orders * 1e6,
        harness.program->state.httpRequest->connectionsOpened() - connectionsBefore);
    for (const auto& [host, count] : harness.marketplace->log().connectionsPerHost()) {
        std::printf("figure:   TLS connections accepted by %s: %d\n", host.c_str(), count);
    }
}

}  // namespace

int main() {
    queryChain();
    automaticTick();
}
