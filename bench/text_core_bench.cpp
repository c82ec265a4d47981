// The page patterns against the floor of one pass over the same bytes, and
// against hostile pages that never complete a match.

#include <benchmark/benchmark.h>

#include <cstring>

#include "orders/page_patterns.h"
#include "pages.h"
#include "rating/rate_form_patterns.h"
#include "ratio_report.h"
#include "text/pattern.h"

namespace {

using namespace tesmira;

std::vector<marketsim::SoldOrderRow> sampleRows(int count) {
    std::vector<marketsim::SoldOrderRow> rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back({std::to_string(3100000000000000 + i),
                        marketsim::gbk("快乐的小猫咪") + std::to_string(i),
                        marketsim::gbk(i % 3 ? "双方未评" : "对方已评")});
    }
    return rows;
}

// A sold-orders answer of 15 orders of 10 items each, padded to `size` bytes.
std::string soldOrdersPage(std::size_t size) {
    const auto rows = sampleRows(15);
    const std::size_t data = marketsim::soldOrdersAnswer(rows, 1, 10, 0).size();
    return marketsim::soldOrdersAnswer(rows, 1, 10, size > data ? size - data : 0);
}

const std::string& soldPage400k() {
    static const std::string page = soldOrdersPage(400 * 1024);
    return page;
}

const std::string& soldPage1m() {
    static const std::string page = soldOrdersPage(1024 * 1024);
    return page;
}

const std::string& ratePage200k() {
    static const std::string page = [] {
        const auto form = marketsim::sampleRateForm("3100000000000042", 10);
        const std::size_t bare = marketsim::rateFormPage(form, 0).size();
        return marketsim::rateFormPage(form, 200 * 1024 - bare);
    }();
    return page;
}

const std::string& hostileUserIds() {
    static const std::string page = [] {
        std::string text;
        while (text.size() < 1024 * 1024)
            text += "userID=a&b&";
        return text;
    }();
    return page;
}

const std::string& hostileRowsWithoutStatus() {
    static const std::string page = [] {
        std::string text = marketsim::soldOrdersAnswer(sampleRows(120), 1, 1, 0);
        const std::string status = "\"style\":\"t16\"";
        for (auto at = text.find(status); at != std::string::npos; at = text.find(status, at)) {
            text.replace(at, status.size(), "\"style\":\"t15\"");
        }
        while (text.size() < 1024 * 1024)
            text += text;
        text.resize(1024 * 1024);
        return text;
    }();
    return page;
}

// The floor: one memchr pass over every byte, for a byte the page lacks.
void floorPass(benchmark::State& state, const std::string& page) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::memchr(page.data(), '\x01', page.size()));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(page.size()));
}

void soldOrdersPatterns(benchmark::State& state, const std::string& page) {
    const Pattern rows(soldOrderRowPattern);
    const Pattern currentPage(currentPagePattern);
    for (auto _ : state) {
        benchmark::DoNotOptimize(rows.findAll(page));
        benchmark::DoNotOptimize(currentPage.findFirst(page));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(page.size()));
}

void rateFormPatterns(benchmark::State& state, const std::string& page) {
    const Pattern head(rateFormHeadPattern);
    const Pattern items(rateFormItemPattern);
    for (auto _ : state) {
        benchmark::DoNotOptimize(head.findFirst(page));
        benchmark::DoNotOptimize(items.findAll(page));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(page.size()));
}

BENCHMARK_CAPTURE(floorPass, soldOrders400k, soldPage400k());
BENCHMARK_CAPTURE(soldOrdersPatterns, soldOrders400k, soldPage400k());
BENCHMARK_CAPTURE(floorPass, rateForm200k, ratePage200k());
BENCHMARK_CAPTURE(rateFormPatterns, rateForm200k, ratePage200k());
BENCHMARK_CAPTURE(soldOrdersPatterns, wellFormed1m, soldPage1m());
BENCHMARK_CAPTURE(soldOrdersPatterns, hostileUserIds1m, hostileUserIds());
BENCHMARK_CAPTURE(soldOrdersPatterns, hostileRowsWithoutStatus1m, hostileRowsWithoutStatus());

}  // namespace

int main(int argc, char** argv) {
    return tesmira::bench::runAndReport(
        argc, argv,
        {
            {"sold-orders row and page patterns, 400 KB answer of 15 rows",
             "soldOrdersPatterns/soldOrders400k", "floorPass/soldOrders400k", 10},
            {"rating form head and item patterns, 200 KB form of 10 items",
             "rateFormPatterns/rateForm200k", "floorPass/rateForm200k", 10},
            {"row and page patterns, 1 MB of \"userID=a&b&\" (against a well-formed 1 MB page)",
             "soldOrdersPatterns/hostileUserIds1m", "soldOrdersPatterns/wellFormed1m", 10},
            {"row and page patterns, 1 MB of rows without their status (against a well-formed 1 MB "
             "page)",
             "soldOrdersPatterns/hostileRowsWithoutStatus1m", "soldOrdersPatterns/wellFormed1m",
             10},
        });
}
