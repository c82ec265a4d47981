#include "orders/text_between.h"

#include <gtest/gtest.h>

namespace tesmira {
namespace {

TEST(TextBetween, CutsBetweenTheMarkersAsThePageReaderExpects) {
    using namespace std::string_view_literals;
    struct Case {
        const char* name;
        std::string_view source, start, end;
        std::string text;
    };
    const Case cases[] = {
        {"BetweenMarkers", "xx window.data = {1};</script>", "window.data", "</script>", " = {1};"},
        {"FirstStartMarkerWins", "S1ES2E", "S", "E", "1"},
        {"EndMarkerOnlyAfterTheStart", "E S1E", "S", "E", "1"},
        {"NoEndMarker", "window.data = {1}", "window.data", "</script>", ""},
        {"MarkersAdjacent", "window.data</script>", "window.data", "</script>", ""},
        {"CaseOfTheEndMarkerCounts", "window.data{1}</SCRIPT>", "window.data", "</script>", ""},
        // Without the start marker the text starts at byte 10 (counting from 1).
        {"MissingStartMarker", "0123456789abcdef</script>", "window.data", "</script>", "9abcdef"},
        {"MissingStartMarkerEndTooEarly", "01</script>", "window.data", "</script>", ""},
        // A one-byte marker that is missing starts before the text: the count
        // then runs one byte past the end marker's first byte.
        {"MissingOneByteMarker", "abc;d", "#", ";", "abc;"},
        {"StopsAtAZeroByte",
         "S12\0"
         "34E"sv,
         "S", "E", "12"},
        {"StartMarkerAtTheEnd", "xxS", "S", "E", ""},
        {"EmptySource", "", "window.data", "</script>", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(textBetween(c.source, c.start, c.end), c.text) << c.name;
    }
}

}  // namespace
}  // namespace tesmira
