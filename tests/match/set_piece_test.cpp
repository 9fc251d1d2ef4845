// Restarts: aiming rules, end distances, the keeper's wait and what each restart counts.
#include <gtest/gtest.h>

#include <cmath>

#include "match/core/match_helpers.hpp"
#include "match/phases/phase_common.hpp"
#include "match/set_pieces/restart_tuning.hpp"
#include "match/set_pieces/set_piece_aim.hpp"
#include "match/set_pieces/set_piece_corner.hpp"
#include "match/set_pieces/set_piece_goal_kick.hpp"
#include "match/set_pieces/set_piece_keeper.hpp"
#include "match/set_pieces/set_piece_throw_in.hpp"
#include "match/core/state_machine.hpp"
#include "phase_test_support.hpp"

using namespace phase_test;

namespace {
constexpr int UP = 1, DOWN = 2, LEFT = 3, RIGHT = 4, FIRE = 5, FIRE2 = 6;

t_input stick(int x, int y) {
    t_input in;
    in.x1 = x;
    in.y1 = y;
    in.angle = static_cast<int>(std::trunc(std::atan2(y, x) * 180 / M_PI));
    return in;
}

// Team t played from key set 0 with keys 1..6.
void human(int t) {
    team_at(t).control = CONTROL_PLAYER;
    input_of(t).dev = 1;
    settings.key[0] = t_key_set{UP, DOWN, LEFT, RIGHT, FIRE, FIRE2};
}

// A device nobody holds: the side waits for ever.
void idle_human(int t) {
    team_at(t).control = CONTROL_PLAYER;
    input_of(t).dev = 0;
}
} // namespace

TEST(SetPieceAim, ThrowInDropsThePushTowardsTheTouchlineAndLeansIntoThePitch) {
    EXPECT_EQ(throw_in_angle(stick(1, 0), 1), 180) << "only towards the touchline: straight in";
    EXPECT_EQ(throw_in_angle(stick(1, 1), 1), 95) << "diagonal out: along the line, leaning in";
    EXPECT_EQ(throw_in_angle(stick(0, -1), 1), -95);
    EXPECT_EQ(throw_in_angle(stick(-1, 1), 1), 135) << "into the pitch: as pushed";
    EXPECT_EQ(throw_in_angle(stick(-1, 0), -1), 0);
}

TEST(SetPieceAim, CornerGoalKickAndKeeperKeepAnyPushThatIsLeft) {
    EXPECT_EQ(corner_angle(stick(1, 1), 1, 1), 225) << "nothing left: diagonally into the pitch";
    EXPECT_EQ(corner_angle(stick(1, 0), 1, 1), 225);
    EXPECT_EQ(corner_angle(stick(-1, 1), 1, 1), 135) << "the push as read, outward part included";
    EXPECT_EQ(goal_kick_angle(stick(0, 1), 1), 270) << "straight up the pitch";
    EXPECT_EQ(goal_kick_angle(stick(1, 1), 1), 45);
    EXPECT_EQ(keeper_kick_angle(stick(0, -1), -1), 90);
    EXPECT_EQ(keeper_kick_angle(stick(0, 1), 1), 270);
    EXPECT_EQ(keeper_kick_angle(stick(1, 1), 1), -5) << "sideways, leaning up the pitch";
    EXPECT_EQ(keeper_kick_angle(stick(-1, -1), 1), -135);
}

TEST(SetPieceThrowIn, ThrowerComesToTheLineAndNoPushMeansNoThrow) {
    set_up();
    ball.set_position(520, 100, 0);
    ball.side = {1, 1};
    ball.owner_last = ref(0, 5);
    t_match_throw_in_stop stop;
    EXPECT_EQ(match_status.event, t_match_status::THROW_IN);
    EXPECT_EQ(stop.throw_in_x, 510);
    EXPECT_EQ(stop.throw_in_y, 100);
    ASSERT_GT(run_until_queued(stop, 3000), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(51)});
    EXPECT_DOUBLE_EQ(ball.x, 510);

    t_match_throw_in_positions positions;
    ASSERT_TRUE(ball.owner);
    EXPECT_EQ(team_of(ball.owner), 1) << "the side that did not touch it last";
    const t_player_ref thrower = ball.owner;
    ASSERT_GT(run_until_queued(positions, 3000), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(52)});

    human(1);
    t_match_throw_in throw_in;
    EXPECT_DOUBLE_EQ(ball.x, 513);
    EXPECT_DOUBLE_EQ(ball.z, 26);
    EXPECT_DOUBLE_EQ(thrower->x, 516);
    input_key_event(FIRE, true);
    EXPECT_EQ(run_until_queued(throw_in, 200), -1) << "fire without a push throws nothing";
    input_key_event(RIGHT, true); // towards the touchline the ball crossed
    ASSERT_GT(run_until_queued(throw_in, 5), 0);
    release_keys();
    EXPECT_EQ(drain(), std::vector{new_screen(39)});
    EXPECT_DOUBLE_EQ(ball.a, 180) << "dropped push: straight into the pitch";
    EXPECT_DOUBLE_EQ(ball.v, THROW_SPEED);
    EXPECT_DOUBLE_EQ(ball.vz, THROW_LIFT);
    EXPECT_FALSE(ball.owner);
}

TEST(SetPieceThrowIn, ComputerThrowsTowardsItsSecondNearestPlayer) {
    set_up();
    ball.set_position(-512, -200, 0);
    ball.side = {-1, -1};
    ball.owner_last = ref(1, 5);
    match_status.event = t_match_status::THROW_IN;
    t_match_throw_in_positions positions;
    ASSERT_GT(run_until_queued(positions, 3000), 0);
    drain();
    t_match_throw_in throw_in;
    ASSERT_GT(run_until_queued(throw_in, 5), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(39)});
    EXPECT_GT(std::cos(ball.a * M_PI / 180), -0.01) << "never back over the left touchline";
}

TEST(SetPieceCorner, AttackersGetTheCornerAndItEndsBeyond22FromTheFlagPoint) {
    set_up();
    ball.set_position(300, 650, 0);
    ball.side = {1, 1}; // behind team 0's goal
    ball.owner_last = ref(0, 3);
    t_match_corner_stop stop;
    EXPECT_EQ(match_stats[1].corn, 1);
    EXPECT_EQ(match_stats[0].corn, 0);
    ASSERT_GT(run_until_queued(stop, 3000), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(42)});
    EXPECT_DOUBLE_EQ(ball.x, CORNER_SPOT_X);
    EXPECT_DOUBLE_EQ(ball.y, CORNER_SPOT_Y);

    t_match_corner_positions positions;
    EXPECT_EQ(camera.offx, -30);
    ASSERT_TRUE(ball.owner);
    EXPECT_EQ(team_of(ball.owner), 1);
    EXPECT_DOUBLE_EQ(ball.owner->tx, 502);
    EXPECT_DOUBLE_EQ(ball.owner->ty, 632);
    ASSERT_GT(run_until_queued(positions, 3000), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(43)});

    idle_human(1);
    t_match_corner_kick kick;
    EXPECT_EQ(team_at(1).controlled, ball.owner);
    EXPECT_DOUBLE_EQ(ball.owner->fmx, 5) << "diagonally into the pitch";
    kick.update();
    EXPECT_TRUE(action_queue->empty()) << "17 from the flag point at the start";
    ball.set_position(510 - 21.9, 640, 0);
    kick.update();
    EXPECT_TRUE(action_queue->empty());
    ball.set_position(510 - 22.01, 640, 0);
    kick.update();
    EXPECT_EQ(drain(), std::vector{new_screen(39)});
    EXPECT_FALSE(ball.owner);
}

TEST(SetPieceCorner, ComputerTakerKicksTheCornerIntoThePitch) {
    set_up();
    ball.set_position(-CORNER_SPOT_X, -CORNER_SPOT_Y, 0);
    ball.side = {-1, -1};
    ball.owner_last = ref(1, 4);
    match_status.event = t_match_status::CORNER;
    t_match_corner_positions positions;
    ASSERT_GT(run_until_queued(positions, 3000), 0);
    drain();
    t_match_corner_kick kick;
    ASSERT_GT(run_until_queued(kick, 60), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(39)});
    EXPECT_GT(ball.x, -CORNER_SPOT_X);
    EXPECT_GT(ball.y, -CORNER_SPOT_Y);
}

TEST(SetPieceGoalKick, BallRollsOnUntilNearlyStillThenTheKeeperTakesItFromTheSpot) {
    set_up();
    ball.set_position(200, 660, 0);
    ball.side = {1, 1};
    ball.v = 60;
    ball.a = 0;
    ball.owner_last = ref(1, 9);
    t_match_goal_kick_stop stop;
    advance_virtual_clock(25);
    stop.update();
    EXPECT_TRUE(action_queue->empty()) << "still rolling";
    ASSERT_GT(run_until_queued(stop, 3000), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(45)});
    EXPECT_DOUBLE_EQ(ball.x, GOAL_KICK_SPOT_X);
    EXPECT_DOUBLE_EQ(ball.y, GOAL_KICK_SPOT_Y);

    t_match_goal_kick_positions positions;
    EXPECT_EQ(match_status.kick_off_team, 0);
    EXPECT_EQ(positions.keeper, ref(0, 1));
    EXPECT_DOUBLE_EQ(positions.keeper->ty, 588);
    ASSERT_GT(run_until_queued(positions, 3000), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(46)});

    idle_human(0);
    t_match_goal_kick kick;
    EXPECT_DOUBLE_EQ(kick.keeper->fmx, 6) << "facing up the pitch";
    ball.set_position(GOAL_KICK_SPOT_X, GOAL_KICK_SPOT_Y - 21.9, 0);
    kick.update();
    EXPECT_TRUE(action_queue->empty());
    ball.set_position(GOAL_KICK_SPOT_X, GOAL_KICK_SPOT_Y - 22.01, 0);
    kick.update();
    EXPECT_EQ(drain(), std::vector{new_screen(39)});
    EXPECT_TRUE(kick.keeper->brain->in_state("state_positioning"));
}

TEST(SetPieceKeeper, StopCountsAShotAndTheKeeperWaitsWhileAnOpponentStandsInTheArea) {
    set_up();
    ball.set_position(0, 620, 0);
    ball.side = {0, 1}; // team 0's goal
    t_match_keeper_stop stop;
    EXPECT_EQ(stop.t, 0);
    EXPECT_EQ(match_stats[1].shot, 1) << "the save counts as a shot of the attackers";
    EXPECT_EQ(match_status.event, t_match_status::GOALIE);
    EXPECT_EQ(ball.owner, ref(0, 1));
    t_player& intruder = squad_player(1, 9);
    for (int i = 0; i < 100; ++i) {
        intruder.x = intruder.tx = 50;
        intruder.y = intruder.ty = 560;
        advance_virtual_clock(25);
        stop.update();
    }
    EXPECT_TRUE(action_queue->empty());
    for (int s = 1; s <= 11; ++s) squad_player(1, s).x = squad_player(1, s).tx = 400; // everybody out wide
    ASSERT_GT(run_until_queued(stop, 50), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(48)});

    t_match_keeper_wait wait;
    EXPECT_EQ(run_until_queued(wait, 100), 21) << "more than 240 sub-steps";
    EXPECT_EQ(drain(), std::vector{new_screen(49)});

    t_match_keeper_kick kick;
    ASSERT_GT(run_until_queued(kick, 10), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(39)});
    EXPECT_DOUBLE_EQ(ball.v, KEEPER_KICK_SPEED);
    EXPECT_DOUBLE_EQ(ball.vz, KEEPER_KICK_LIFT);
    EXPECT_DOUBLE_EQ(ball.a, -90) << "the computer kicks straight up the pitch";
}

TEST(SetPieceKeeper, WithoutAKickPlayResumesAfter720SubStepsWithTheKeeperHolding) {
    set_up();
    ball.set_position(0, -620, 0);
    ball.side = {0, -1};
    t_match_keeper_stop stop;
    EXPECT_EQ(stop.t, 1);
    idle_human(1);
    t_match_keeper_kick kick;
    EXPECT_EQ(run_until_queued(kick, 100), 61);
    EXPECT_EQ(drain(), std::vector{new_screen(39)});
    EXPECT_EQ(ball.owner, ref(1, 1));
    EXPECT_EQ(team_at(1).controlled, ref(1, 1));
    EXPECT_EQ(match_status.event, t_match_status::IN_GAME) << "waiting to kick counts as play";
}

TEST(SetPieceKeeper, PenaltyAreaAsTheWaitSeesIt) {
    EXPECT_TRUE(in_penalty_area(286, 466, 1));
    EXPECT_FALSE(in_penalty_area(286.5, 500, 1));
    EXPECT_FALSE(in_penalty_area(0, 465.5, 1));
    EXPECT_TRUE(in_penalty_area(0, -640, -1));
    EXPECT_FALSE(in_penalty_area(0, 500, -1));
}
