#include "session/cookie_texts.h"

#include <gtest/gtest.h>

namespace tesmira {
namespace {

TEST(CookieNameOf, IsTheTrimmedTextBeforeTheFirstEquals) {
    const std::pair<std::string_view, std::string> cases[] = {
        {"a=1", "a"},
        {" a =1=2", "a"},
        {"noequals", "noequals"},
        {"=value", ""},
        {"", ""},
        {"\xA1\xA1name\xA1\xA1=v", "name"},
        // B0 A1 and A1 B0 are characters; the A1 A1 where they meet is no space.
        {"\xB0\xA1\xA1\xB0=v", "\xB0\xA1\xA1\xB0"},
    };
    for (const auto& [entry, name] : cases) {
        EXPECT_EQ(cookieNameOf(entry), name) << '"' << entry << '"';
    }
}

TEST(CookieDomainOf, IsTheLastTwoLabelsOfTheHost) {
    const std::pair<std::string_view, std::string> cases[] = {
        {"https://X.Y.Z:8080/p", "y.z"},
        {"y.z", "y.z"},
        {"q", "q"},
        {"https:///", ""},
        {"taobao.com", "taobao.com"},
        {"http://login.taobao.com/member/login.jhtml", "taobao.com"},
        {"market.localhost:8443", "market.localhost"},
        {"https://i.market.localhost:8443/my_taobao.htm", "market.localhost"},
        {"ftp://a.b.c/x",
         "ftp"},  // no http:// in it: "http://" goes in front, the host ends at "/"
    };
    for (const auto& [address, domain] : cases) {
        EXPECT_EQ(cookieDomainOf(address), domain) << address;
    }
}

TEST(MergeCookieListings, MergesAsTheCloseButtonNeedsThem) {
    struct Case {
        std::string_view older, newer;
        std::string merged;
    };
    const Case cases[] = {
        {"a=1;b=2", "", "a=1; b=2"},
        {"", "a=1;b=2", "a=1; b=2"},
        {"a=1", "a=1;h=9", "a=1; h=9"},           // the same entry in both, listed once
        {"a=1", "a=2", "a=2"},                    // the newer listing wins by name
        {"b=2;a=1", "h=9", "h=9; b=2; a=1"},      // newer first, then the older rest
        {"x=deleted;a=1", "y=deleted", "a=1"},    // expired entries dropped
        {"deleted", "", "deleted"},               // too short to end in "=deleted"
        {"a = 1 ; b\xA1\xA1=2", "", "a=1; b=2"},  // spaces of both kinds removed
        {"a=1;;b=2;", "", "a=1; b=2"},            // empty entries name nothing
        {"noequals", "", "noequals"},
        {"a=1;a=2", "", "a=1"},  // the first of one name wins
        {"", "", ""},
        {"   ", "   ", ""},  // a buffer the store left untouched
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mergeCookieListings(c.older, c.newer), c.merged)
            << '"' << c.older << "\" + \"" << c.newer << '"';
    }
}

TEST(MergeCookieListings, HasNoLengthLimit) {
    std::string older;
    std::string expected;
    for (int i = 0; i < 400; ++i) {
        const std::string entry = "cookie" + std::to_string(i) + "=" + std::string(20, 'v');
        older += entry + ";";
        expected += (i ? "; " : "") + entry;
    }
    ASSERT_GT(older.size(), 3000u);
    EXPECT_EQ(mergeCookieListings(older, ""), expected);
}

}  // namespace
}  // namespace tesmira
