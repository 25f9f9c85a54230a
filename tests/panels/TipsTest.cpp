#include "panels/Tips.h"

#include <gtest/gtest.h>

TEST(Tips, ShowInOrderAndWrapAroundAfterTheFifth) {
    Tips tips;
    std::vector<std::string> lines;
    for (int i = 0; i < 6; ++i)
        lines.push_back(tips.ShowNextTip());
    EXPECT_EQ(lines[0], std::string("Tip #1: ") + kTips[0]);
    EXPECT_EQ(lines[2], std::string("Tip #3: ") + kTips[2]);
    EXPECT_EQ(lines[4], std::string("Tip #5: ") + kTips[4]);
    EXPECT_EQ(lines[5], lines[0]) << "the sixth tip is the first again";
    EXPECT_EQ(tips.position(), 1);
}
