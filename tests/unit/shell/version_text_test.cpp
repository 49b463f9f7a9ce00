#include "shell/version_text.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionText, MinorAlwaysTwoDigitsAndTheRevisionPicksTheStage) {
    // clang-format off
    const struct { std::int16_t major, minor, revision; const char* text; } cases[] = {
        {1, 10, 0, "1.10"}, {1, 5, 0, "1.05"}, {2, 10, 3, "2.10.3"}, {1, 1, 26, "1.01.26"},
        {1, 1, 27, "1.01"}, {1, 0, 1001, "1.00 Alpha 1"}, {1, 1, 1000, "1.01 Alpha"},
        {1, 1, 1999, "1.01 Alpha 999"}, {1, 1, 100, "1.01 Beta"}, {1, 1, 199, "1.01 Beta 99"},
        {1, 1, 200, "1.01"}, {3, 2, 2000, "3.02 Beta"}, {1, 1, 2999, "1.01 Beta 999"},
        {1, 1, 3000, "1.01"}, {1, 1, 255, "1.01\xC3\x9F"}, {1, 1, 9999, "1.01\xC3\x9F"},
        {4, 7, 300, "4.07"}, {1, 123, 0, "1.23"}, {1, 100, 0, "1.00"}, {1, 0, -1, "1.00"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(VersionText(c.major, c.minor, c.revision), c.text) << c.revision;
    }
}

}  // namespace
