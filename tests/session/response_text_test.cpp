#include "session/response_text.h"

#include <gtest/gtest.h>

namespace tesmira {
namespace {

TEST(ResponseText, EndsAtTheFirstZeroByte) {
    using namespace std::string_view_literals;
    const std::pair<std::string_view, std::string> cases[] = {
        {"ab\0c"sv, "ab"},        {""sv, ""},
        {"\0abc"sv, ""},          {"\xBA\xC3\xC6\xC0"sv, "\xBA\xC3\xC6\xC0"},
        {"no zero"sv, "no zero"},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(responseText(bytes), text);
    }
}

}  // namespace
}  // namespace tesmira
