#include "text/decimal_text.h"

#include <gtest/gtest.h>

namespace tesmira {
namespace {

TEST(LeadingInteger, ReadsTheLeadingDecimalNumber) {
    const std::pair<std::string_view, std::int32_t> cases[] = {
        {"7", 7},
        {"  7", 7},
        {"7days", 7},
        {"2.5", 2},
        {"-2", -2},
        {"+3", 3},
        {"-", 0},
        {"abc", 0},
        {"", 0},
        {"0", 0},
        {"\t\n12", 12},
        {"- 2", 0},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483648},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(leadingInteger(text), value) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace tesmira
