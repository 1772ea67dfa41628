#include "HighscorePage.h"

#include <gtest/gtest.h>

namespace {

TEST(HighscorePage, BestFirstAndEveryModeOfEveryAccount) {
    const std::string page =
        HighscorePage::Render({{7, 5000}, {42, 1200}}, {{7, 0, 3, 1}, {7, 2, 0, 4}, {42, 1, 2, 2}});
    const auto first = page.find("<td>1</td><td>0007</td><td>5000</td>");
    const auto second = page.find("<td>2</td><td>0042</td><td>1200</td>");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_NE(page.find("<tr><td>0007</td><td>3 / 1</td><td>0 / 0</td><td>0 / 4</td></tr>"),
              std::string::npos);
    EXPECT_NE(page.find("<tr><td>0042</td><td>0 / 0</td><td>2 / 2</td><td>0 / 0</td></tr>"),
              std::string::npos);
    EXPECT_NE(page.find("<meta name=\"viewport\""), std::string::npos);
}

TEST(HighscorePage, SaysSoWhenNothingWasReported) {
    const std::string page = HighscorePage::Render({}, {});
    EXPECT_NE(page.find("No match has been reported yet."), std::string::npos);
    EXPECT_EQ(page.find("<table>"), std::string::npos);
}

} // namespace
