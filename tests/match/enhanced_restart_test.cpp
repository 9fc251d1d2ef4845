// The ENHANCED computer at restarts with everyone placed by hand: whom a throw-in finds and who comes short for
// it, when the keeper throws or rolls to a back and when he kicks long, and who goes into the box for a free
// kick near goal and who marks him.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "football/match_settings.hpp"
#include "match/core/match_helpers.hpp"
#include "match/enhanced/enhanced_set_pieces.hpp"
#include "match/enhanced/enhanced_throws.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/enhanced/referee.hpp"
#include "match/set_pieces/restart_tuning.hpp"
#include "match/set_pieces/set_piece_free_kick.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "player_test_support.hpp"

using namespace player_test;

namespace {
constexpr int THROWER = 8;

class EnhancedRestart : public ::testing::Test {
protected:
    void SetUp() override {
        build_match();
        // The same draws whichever tests ran before.
        seed_rnd(5);
        match_settings.gameplay = t_gameplay::enhanced;
        referee = t_referee();
        // Everyone far out on the left touchline unless a test places him.
        for (int t = 0; t < 2; ++t)
            for (int s = 2; s <= 11; ++s) place(t, s, -500, (t == 0 ? 1 : -1) * (100 + 20.0 * s));
    }
    void TearDown() override { match_settings.gameplay = t_gameplay::classic; }
    static void place(int t, int s, double x, double y) {
        t_player& p = squad_player(t, s);
        p.x = p.tx = x;
        p.y = p.ty = y;
        p.v = 0;
    }
    // Team 0 (attacking y = -640) is to throw in from the right touchline at `y`.
    static void throw_in_at(double y) {
        give_ball(0, THROWER, THROWER_X, y);
        ball.set_position(THROW_BALL_X, y, THROW_BALL_Z);
    }
    static double off_course_to(double x, double y) {
        return std::fabs(std::remainder(ball.a - atan2_deg(y - ball.y, x - ball.x), 360.0));
    }
    static bool in_box(const t_player& p) { return std::fabs(p.tx) < PENALTY_AREA_X && p.ty < -PENALTY_AREA_FRONT; }
    // The defenders of team 1 whose targets stand goal-side of (x, y) and close to it.
    static int markers_of(double x, double y) {
        int n = 0;
        for (int s = 2; s <= 11; ++s) {
            const t_player& d = squad_player(1, s);
            if (distance(d.tx, d.ty, x, y) <= std::hypot(CORNER_MARK_GOAL_SIDE, CORNER_MARK_BALL_SIDE) + 1
                && d.ty < y) ++n;
        }
        return n;
    }
};
} // namespace

TEST_F(EnhancedRestart, AThrowInFindsTheFreeManNotTheMarkedOneNorOneBehindABlockedLine) {
    throw_in_at(-100);
    place(0, 9, 400, -260);  // furthest forward, but an opponent stands on the line to him
    place(1, 6, 456, -180);
    place(0, 10, 420, -140); // forward too, with an opponent at his shoulder
    place(1, 7, 430, -150);
    place(0, 11, 410, -60);  // a little behind the ball, free
    EXPECT_TRUE(computer_throws_in(0));
    EXPECT_FALSE(ball.owner) << "the ball has left his hands";
    EXPECT_LT(off_course_to(410, -60), THROW_ERROR + 0.5);

    // With the line to the forward man clear, the ground he gains makes him the better throw.
    throw_in_at(-100);
    place(1, 6, 200, 300);
    EXPECT_TRUE(computer_throws_in(0));
    EXPECT_LT(off_course_to(400, -260), THROW_ERROR + 0.5);

    // With everyone near marked, it goes down the line, forward.
    throw_in_at(-100);
    place(1, 6, 410, -250);
    place(1, 8, 420, -70);
    EXPECT_TRUE(computer_throws_in(0));
    EXPECT_LT(off_course_to(THROW_BALL_X - DOWN_THE_LINE_LEAN * 100, -200), 0.5);

    // A side the human plays throws its own throw.
    throw_in_at(-100);
    team_at(0).control = CONTROL_PLAYER;
    EXPECT_FALSE(computer_throws_in(0));
    EXPECT_TRUE(ball.owner);
}

TEST_F(EnhancedRestart, TheNearestTeamMateComesShortForAThrowInButNotOntoTheThrower) {
    throw_in_at(-100);
    place(0, 9, 300, -100);  // nearest: 213 from the ball
    place(0, 10, 200, -300); // further
    come_short_for_throw_in(0);
    const t_player& near = squad_player(0, 9);
    EXPECT_NEAR(near.tx, 300 + THROW_OFFER_STEP, 1e-9);
    EXPECT_NEAR(near.ty, -100, 1e-9);
    EXPECT_EQ(squad_player(0, 10).tx, 200) << "only one comes";

    // Already close, he stays no nearer than the offering distance.
    place(0, 9, THROW_BALL_X - THROW_OFFER_NEAREST - 10, -100);
    come_short_for_throw_in(0);
    EXPECT_NEAR(distance(near.tx, near.ty, ball.x, ball.y), THROW_OFFER_NEAREST, 1e-9);
}

TEST_F(EnhancedRestart, TheKeeperRollsToAFreeBackAndKicksLongWhenEveryBackIsMarked) {
    // Team 0's keeper holds the ball in front of the goal at y = +640.
    for (int s : {2, 3, 4, 5}) squad_player(0, s).pt = ROLE_DEFENDER;
    const auto keeper_holds = [] { give_ball(0, GOALKEEPER_SLOT, 0, 600); };
    keeper_holds();
    place(0, 2, -110, 520); // near and free: a roll
    place(0, 3, 220, 560);  // free as well, further
    place(0, 6, 60, 540);   // a free midfielder is no keeper's throw
    EXPECT_TRUE(keeper_throws_to_free_back(0));
    EXPECT_FALSE(ball.owner);
    EXPECT_EQ(ball.vz, 0) << "rolled along the grass";
    EXPECT_LT(off_course_to(-110, 520), KEEPER_THROW_ERROR + 0.5);

    // The near back marked, the other one gets a low throw.
    keeper_holds();
    place(1, 6, -100, 500);
    EXPECT_TRUE(keeper_throws_to_free_back(0));
    EXPECT_GT(ball.vz, 0);
    EXPECT_EQ(ball.v, KEEPER_THROW_SPEED);
    EXPECT_LT(off_course_to(220, 560), KEEPER_THROW_ERROR + 0.5);

    // Both marked: he keeps the ball for the long kick.
    keeper_holds();
    place(1, 7, 210, 530);
    EXPECT_FALSE(keeper_throws_to_free_back(0));
    EXPECT_TRUE(ball.owner);
}

TEST_F(EnhancedRestart, AWideFreeKickNearGoalPutsRunnersInTheBoxEachWithAMarker) {
    // Team 0 has a free kick wide on the right, beside the box: no angle for a shot.
    for (int s = 2; s <= 11; ++s) place(0, s, -200 + 40.0 * s, -250);
    for (int s = 2; s <= 11; ++s) place(1, s, -200 + 40.0 * s, -380);
    squad_player(0, 2).pt = ROLE_DEFENDER;
    squad_player(0, 3).pt = ROLE_DEFENDER;
    give_ball(0, 7, 292, -585);
    ASSERT_FALSE(free_kick_at_goal(0));
    const std::vector<int> wall = form_wall(1, wall_size(292, -585, team_at(1).side));
    ASSERT_FALSE(wall.empty());
    std::vector<std::pair<double, double>> wall_spots;
    for (int s : wall) wall_spots.emplace_back(squad_player(1, s).tx, squad_player(1, s).ty);
    arrange_free_kick(0, wall);

    const auto runners = corner_runners(0);
    ASSERT_GE(static_cast<int>(runners.size()), FREE_KICK_RUNNERS);
    for (size_t i = 0; i < static_cast<size_t>(FREE_KICK_RUNNERS); ++i) {
        const t_player& a = squad_player(0, runners[i]);
        EXPECT_TRUE(in_box(a)) << "runner " << runners[i];
        EXPECT_EQ(markers_of(a.tx, a.ty), 1) << "runner " << runners[i];
    }
    for (size_t i = 0; i < wall.size(); ++i) {
        const t_player& w = squad_player(1, wall[i]);
        EXPECT_EQ(std::pair(w.tx, w.ty), wall_spots[i]) << "the wall stays a wall";
    }
    int near_post = 0;
    for (int s = 2; s <= 11; ++s) {
        const t_player& d = squad_player(1, s);
        if (d.tx > 0 && d.ty < -GOAL_LINE_Y + 2 * NEAR_POST_GUARD_OUT && std::fabs(d.tx) < GOAL_MOUTH_X) ++near_post;
    }
    EXPECT_EQ(near_post, 1) << "one guards the near post";

    // The computer crosses it into the box rather than passing it short.
    EXPECT_TRUE(computer_crosses_free_kick(0));
    EXPECT_FALSE(ball.owner);
    EXPECT_GT(ball.vz, 0);
    EXPECT_LT(off_course_to(0, -GOAL_LINE_Y + 80), 35);
}

TEST_F(EnhancedRestart, AFreeKickAtGoalLeavesAFewMenWaitingForTheReboundAndIsNotCrossed) {
    for (int s = 2; s <= 11; ++s) place(0, s, -200 + 40.0 * s, -250);
    for (int s = 2; s <= 11; ++s) place(1, s, -200 + 40.0 * s, -380);
    give_ball(0, 7, 40, -400);
    ASSERT_TRUE(free_kick_at_goal(0));
    const std::vector<int> wall = form_wall(1, wall_size(40, -400, team_at(1).side));
    arrange_free_kick(0, wall);
    int waiting = 0;
    for (int s = 2; s <= 11; ++s) {
        const t_player& a = squad_player(0, s);
        if (!in_box(a)) continue;
        ++waiting;
        EXPECT_EQ(markers_of(a.tx, a.ty), 1) << "runner " << s;
    }
    EXPECT_EQ(waiting, FREE_KICK_REBOUND_RUNNERS);
    EXPECT_FALSE(computer_crosses_free_kick(0)) << "it is one to shoot from";

    // Far out in the middle, it is no set piece for the box.
    give_ball(0, 7, 0, 0);
    for (int s = 2; s <= 11; ++s) place(0, s, -200 + 40.0 * s, 100);
    arrange_free_kick(0, {});
    for (int s = 2; s <= 11; ++s) EXPECT_FALSE(in_box(squad_player(0, s))) << s;
    EXPECT_FALSE(computer_crosses_free_kick(0));
}
