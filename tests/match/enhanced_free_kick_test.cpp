// An ENHANCED free kick from the whistle to the kick: the wall, and the computer's exact aim at goal.
#include <gtest/gtest.h>

#include <cmath>

#include "core/screen_modes.hpp"
#include "match/enhanced/referee.hpp"
#include "match/set_pieces/set_piece_free_kick.hpp"
#include "phase_test_support.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"

using namespace phase_test;

TEST(EnhancedFreeKick, TheComputerShootsAtTheFarPostNotAlongItsStick) {
    set_up();
    match_settings.gameplay = t_gameplay::enhanced;
    referee = t_referee();
    seed_rnd(4);
    // Team 1 attacks the goal at y = +640; the foul was on its man 240 units out, right of centre.
    t_foul foul;
    foul.fouled_team = 1;
    foul.fouled = ref(1, 9);
    foul.x = 100;
    foul.y = 400;
    referee.foul = foul;
    referee.whistled = true;
    {
        t_match_free_kick_positions positions;
        ASSERT_GT(run_until_queued(positions, 2000), 0);
        EXPECT_EQ(drain(), std::vector{new_screen(MODE_MATCH_FREE_KICK)});
    }
    t_match_free_kick kick;
    ASSERT_GT(run_until_queued(kick, 2000), 0) << "the computer never took it";
    const double far_post = atan2_deg(GOAL_LINE_Y - 400, -55 - 100);
    EXPECT_NEAR(std::remainder(ball.a - far_post, 360.0), 0, 1.0);
    EXPECT_GT(std::fabs(std::remainder(ball.a, 45.0)), 1.0) << "not one of the stick's eight directions";
    match_settings.gameplay = t_gameplay::classic;
    referee = t_referee();
}
