#include <gtest/gtest.h>

#include "football/ball_zone.hpp"
#include "football/tactics.hpp"

TEST(TacticsFile, LatticeCornersAreTheExtremeBytes) {
    EXPECT_EQ(tactics_target_byte({-476, -600}), 0);
    EXPECT_EQ(tactics_target_byte({544, 600}), 255);
}
