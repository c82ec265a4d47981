#pragma once
// The simulated marketplace's pages for the browser pane and the popup: GBK
// HTML as the real site serves it, with the fragments the program watches for.

#include <string>

#include "scenario.h"

namespace marketsim {

// "YYYY-MM-DD HH:MM:SS", as the marketplace writes its times.
std::string timeText(tesmira::LocalTime time);

std::string homePage(const Account& account, const std::string& avatarHost);
// A quick-login view whose element "J_Quick2Static" switches to the
// account-and-password form; the demo credentials stand on the page.
std::string loginPage(const Account& account, const std::string& redirect, bool failed);
std::string verificationPage(const std::string& code, bool failed);
std::string tradePage(const std::string& title);
std::string orderDetailPage(const SeedOrder& order, const std::string& dealTime);
std::string rateAnswerPage(bool success);
std::string noRateFormPage(const std::string& orderId);
std::string ratingsPage(const Account& account);
std::string rateDetailPage(const std::string& orderId);
std::string errorPage();
std::string serverErrorPage();

}  // namespace marketsim
