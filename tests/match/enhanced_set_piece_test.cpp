// ENHANCED free kicks and penalties from the whistle to the kick: the computer's exact aim at goal, and a
// penalty that flies as struck.
#include <gtest/gtest.h>

#include <cmath>

#include "core/screen_modes.hpp"
#include "match/enhanced/enhanced_set_pieces.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/enhanced/referee.hpp"
#include "match/core/match_main.hpp"
#include "match/set_pieces/set_piece_free_kick.hpp"
#include "match/set_pieces/set_piece_penalty.hpp"
#include "phase_test_support.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"

using namespace phase_test;

namespace {
// An ENHANCED match in memory whose referee has just blown for a foul on team 1's number 9 at (x, y).
void whistled_for_team_1_at(double x, double y, int64_t seed) {
    set_up();
    match_settings.gameplay = t_gameplay::enhanced;
    referee = t_referee();
    seed_rnd(seed);
    t_foul foul;
    foul.fouled_team = 1;
    foul.fouled = ref(1, 9);
    foul.x = x;
    foul.y = y;
    referee.foul = foul;
    referee.whistled = true;
}

void back_to_classic() {
    match_settings.gameplay = t_gameplay::classic;
    referee = t_referee();
}
} // namespace

TEST(EnhancedFreeKick, TheComputerShootsAtTheFarPostNotAlongItsStick) {
    // Team 1 attacks the goal at y = +640; the foul was on its man 240 units out, right of centre.
    whistled_for_team_1_at(100, 400, 4);
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
    back_to_classic();
}

TEST(EnhancedPenalty, AKickBeingChargedAtTheWhistleIsNotLetGoAsThePenaltyFlies) {
    whistled_for_team_1_at(0, 560, 9);
    // The fouled side was charging a pass when the whistle went.
    input_of(1).fired = 1;
    input_of(1).fire_time = 6;
    input_of(1).fire_angle = 135;
    {
        t_match_penalty_positions positions;
        ASSERT_GT(run_until_queued(positions, 3000), 0);
        EXPECT_EQ(drain(), std::vector{new_screen(MODE_MATCH_PENALTY_KICK)});
    }
    {
        t_match_penalty_kick kick;
        ASSERT_GT(run_until_queued(kick, 2000), 0);
        EXPECT_EQ(drain(), std::vector{new_screen(MODE_MATCH_MAIN)});
    }
    const double course = ball.a;
    const double pace = ball.v;
    ASSERT_GE(pace, PENALTY_SPEED);
    t_match_main play;
    advance_virtual_clock(25);
    play.update();
    EXPECT_NEAR(std::remainder(ball.a - course, 360.0), 0, 1e-6) << "the old pass was let go instead";
    EXPECT_GT(ball.v, 0.9 * pace);
    back_to_classic();
}

TEST(EnhancedFreeKick, NearGoalTheTakingSideSendsMenIntoTheBoxAndEachIsMarked) {
    // Team 1 attacks the goal at y = +640; a foul on its man wide of the box.
    whistled_for_team_1_at(330, 470, 4);
    t_match_free_kick_positions positions;
    const std::vector<int> runners = corner_runners(1);
    ASSERT_GE(static_cast<int>(runners.size()), FREE_KICK_RUNNERS);
    for (size_t i = 0; i < static_cast<size_t>(FREE_KICK_RUNNERS); ++i) {
        const t_player& a = squad_player(1, runners[i]);
        EXPECT_LT(std::fabs(a.tx), PENALTY_AREA_X) << "runner " << runners[i];
        EXPECT_GT(a.ty, PENALTY_AREA_FRONT) << "runner " << runners[i];
        int markers = 0;
        for (int d = 2; d <= 11; ++d) {
            const t_player& m = squad_player(0, d);
            if (distance(m.tx, m.ty, a.tx, a.ty) <= std::hypot(CORNER_MARK_GOAL_SIDE, CORNER_MARK_BALL_SIDE) + 1
                && m.ty > a.ty) ++markers;
        }
        EXPECT_EQ(markers, 1) << "runner " << runners[i];
    }
    back_to_classic();
}
