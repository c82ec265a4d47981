// Writes each fuzz target's seed corpus from the simulated marketplace's own
// pages and the settings store's own files, so that fuzzing starts from the
// shapes the program really reads.
//   tesmira_fuzz_seeds <directory>

#include <fstream>
#include <iostream>

#include "pages.h"
#include "scenario.h"
#include "settings/settings_store.h"
#include "site_pages.h"

namespace fs = std::filesystem;

namespace {

void write(const fs::path& directory, const std::string& name, const std::string& bytes) {
    fs::create_directories(directory);
    std::ofstream(directory / name, std::ios::binary) << bytes;
}

std::string fileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <directory>\n";
        return 2;
    }
    const fs::path root = argv[1];
    using namespace marketsim;
    const Account account;
    const auto orders = Scenario::sampleOrders(4);

    write(root / "account_profile_fuzz", "home.html", homePage(account, "wwc.cdn.localhost"));

    std::vector<SoldOrderRow> rows;
    for (const SeedOrder& order : orders)
        rows.push_back(
            {order.orderId, order.buyerNick, gbk(order.buyerRated ? "对方已评" : "双方未评")});
    write(root / "sold_orders_page_fuzz", "page1.html", soldOrdersAnswer(rows, 1, 2, 200));
    write(root / "sold_orders_page_fuzz", "empty.html", soldOrdersAnswer({}, 3, 1, 100));

    write(root / "deal_time_fuzz", "data_field.html",
          orderDetailPage(orders[0], "2026-12-01 10:20:30"));
    write(root / "deal_time_fuzz", "confirm_element.html",
          orderDetailPage(orders[1], "2026-11-30 23:59:59"));
    write(root / "deal_time_fuzz", "time.txt", "2026-2-3 4:5:6");

    write(root / "rate_form_fuzz", "two_items.html",
          rateFormPage(sampleRateForm(orders[0].orderId, 2), 200));

    write(root / "encode_form_value_fuzz", "chinese.txt", gbk("谢谢惠顾，欢迎再来！ A-z_0.9"));
    write(root / "encode_form_value_fuzz", "lead_byte_last.txt", "ok\xB0");

    write(root / "cookie_texts_fuzz", "listings.txt",
          "_tb_sess=s1x22; tracknick=%E6%98%9F; lgc=demo" + gbk("　") +
              "; cna=AbC; _tb_sess=s2x22; t=9");
    write(root / "cookie_texts_fuzz", "address.txt",
          "https://trade.market.localhost:8443/trade/itemlist/list_sold_items.htm?x=1");

    const fs::path settings = root / "settings-scratch";
    fs::create_directories(settings);
    tesmira::SharedState shop;
    shop.accountName = gbk("星光小店");
    tesmira::saveAutoRateDays(settings, shop, "7");
    shop.accountName = gbk("隔壁小铺");
    tesmira::saveAutoRateDays(settings, shop, "12");
    tesmira::saveBadRatePreset(settings, shop, "3100000000001000", gbk("拍下不付款"));
    write(root / "settings_ini_fuzz", "config.ini", fileBytes(settings / "Config.ini"));
    for (const auto& entry : fs::directory_iterator(settings))
        if (entry.path().extension() == ".ini" && entry.path().filename() != "Config.ini")
            write(root / "settings_ini_fuzz", "presets.ini", fileBytes(entry.path()));
    fs::remove_all(settings);
    return 0;
}
