#include <gtest/gtest.h>

#include "match/players/player_heading.hpp"
#include "match/players/player_movement.hpp"
#include "player_test_support.hpp"

using namespace player_test;

namespace {
class PlayerMovement : public ::testing::Test {
protected:
    void SetUp() override { build_match(); }
    void run(int sub_steps, int keep_in_bounds = 1, int keeper_logic = 0) {
        for (int i = 0; i < sub_steps; ++i) move_players(keep_in_bounds, keeper_logic);
    }
};
} // namespace

TEST_F(PlayerMovement, NobodyMovesWhenAllStandOnTheirTargets) {
    EXPECT_FALSE(move_players(1, 0));
    squad_player(1, 4).tx += 30;
    EXPECT_TRUE(move_players(1, 0));
}

TEST_F(PlayerMovement, PlayerOnHisTargetFacesTheBall) {
    t_player& p = squad_player(0, 7);
    ball.set_position(p.x, p.y - 50, 0); // straight up the screen
    p.a = 0;
    move_players(1, 0);
    EXPECT_NEAR(p.a, -90, 1e-9);
    EXPECT_EQ(p.fmx, 6);
    EXPECT_EQ(p.fmy, 1);
    EXPECT_EQ(p.v, 0);
}

TEST_F(PlayerMovement, RunsFastFarAndWalksTheLastUnits) {
    t_player& p = squad_player(0, 7);
    const double x0 = p.x;
    p.tx = p.x + 100;
    move_players(1, 0);
    EXPECT_DOUBLE_EQ(p.v, 120 * 0.85);
    EXPECT_DOUBLE_EQ(p.x, x0 + 120 * 0.85 / 480);
    EXPECT_EQ(p.a, 0);
    p.x = p.tx - 3;
    move_players(1, 0);
    EXPECT_DOUBLE_EQ(p.v, 120 * 0.25);
    run(100);
    EXPECT_NEAR(p.x, p.tx, 0.5);
}

TEST_F(PlayerMovement, RunningCyclesTheAnimationRows) {
    t_player& p = squad_player(0, 7);
    p.tx = p.x;
    p.ty = p.y + 400;
    double low = 10, high = -10;
    for (int i = 0; i < 480; ++i) {
        move_players(1, 0);
        low = std::min(low, p.fmy);
        high = std::max(high, p.fmy);
        EXPECT_EQ(p.fmx, 2);
    }
    EXPECT_GE(low, -1);
    EXPECT_LT(high, 3);
    EXPECT_LT(low, -0.9);
    EXPECT_GT(high, 2.9);
}

TEST_F(PlayerMovement, ControlledPlayerFollowsTheStick) {
    t_player& p = squad_player(0, 7);
    team_at(0).controlled = ref(0, 7);
    hold(0, 1, 1, 0);
    move_players(1, 0);
    EXPECT_EQ(p.v, 120);
    EXPECT_NEAR(p.a, 45, 1e-9);
    ball.set_owner(ref(0, 7));
    move_players(1, 0);
    EXPECT_DOUBLE_EQ(p.v, 120 * 0.95);
    hold(0, 0, 0, 0);
    move_players(1, 0);
    EXPECT_EQ(p.v, 0);
    // While a kick charges he keeps the kick's course and slows a little.
    p.v = 100;
    inputs[0].fired = 1;
    inputs[0].fire_angle = 90;
    move_players(1, 0);
    EXPECT_DOUBLE_EQ(p.v, 100 - 0.004);
    EXPECT_EQ(p.a, 90);
}

TEST_F(PlayerMovement, BoundsAroundThePitchAndTheGoals) {
    const auto end_y = [&](double x) {
        t_player& p = squad_player(0, 7);
        p.x = x;
        p.y = 600;
        p.tx = x;
        p.ty = 900;
        run(2000);
        return p.y;
    };
    EXPECT_EQ(end_y(300), 690);  // beside the goal
    EXPECT_EQ(end_y(70), 640);   // at the posts
    EXPECT_EQ(end_y(20), 645);   // into the goal mouth
    EXPECT_EQ(end_y(-77.5), 640); // truncated |x| = 77 is not beyond 77
    t_player& p = squad_player(0, 7);
    p.x = 400;
    p.y = 0;
    p.tx = 900;
    p.ty = 0;
    run(1000);
    EXPECT_EQ(p.x, 560);
    // Without bounds he goes where he is sent.
    p.tx = 700;
    run(1000, 0);
    EXPECT_GT(p.x, 600);
}

TEST_F(PlayerMovement, SubstitutedPlayerIsParkedAndBenchSits) {
    t_player& off = squad_player(0, 4);
    off.status = STATUS_SUBSTITUTED;
    move_players(1, 0);
    EXPECT_EQ(off.x, PARKED_X);
    EXPECT_EQ(off.tx, PARKED_X);
    t_player& bench = squad_player(0, 13);
    bench.a = 200;
    move_players(1, 0);
    EXPECT_EQ(bench.fmx, 0);
    EXPECT_EQ(bench.fmy, 1);
}

TEST_F(PlayerMovement, KeeperLogicHandsTheKeeperToHisBrain) {
    t_player& keeper = squad_player(0, 1);
    keeper.brain->set_state("state_positioning");
    keeper.tx = keeper.x + 40;
    keeper.fmy = 8; // his brain owns the picture
    // Without keeper logic he runs like anyone else.
    move_players(1, 0);
    EXPECT_EQ(keeper.v, 120 * 0.85);
    EXPECT_LT(keeper.fmy, 3);
    keeper.fmy = 8;
    move_players(1, 1);
    EXPECT_EQ(keeper.brain->active_state->timer, 1);
    EXPECT_DOUBLE_EQ(keeper.v, 120 * 0.85);
    // Positioning animates over three rows only.
    EXPECT_LT(keeper.fmy, 3);
    // A controlled keeper is steered, not thinking.
    team_at(0).controlled = ref(0, 1);
    hold(0, -1, 0, 0);
    move_players(1, 1);
    EXPECT_EQ(keeper.brain->active_state->timer, 1);
    EXPECT_EQ(keeper.a, 180);
}

TEST_F(PlayerMovement, JumpingPlayerFallsBackToTheGrass) {
    t_player& p = squad_player(0, 7);
    p.vz = 40;
    run(10);
    EXPECT_GT(p.z, 0);
    run(200);
    EXPECT_EQ(p.z, 0);
    EXPECT_EQ(p.vz, 0);
}

// The table of run directions must give exactly what working them out gives,
// inside its reach and beyond it.
TEST(PlayerHeading, TableAgreesWithTheFullWorkingEverywhere) {
    for (int dy = -HEADING_REACH - 3; dy <= HEADING_REACH + 3; dy += 1)
        for (int dx = -HEADING_REACH - 3; dx <= HEADING_REACH + 3; dx += 7) {
            const t_heading t = heading_to(dx, dy);
            const t_heading f = heading_of(dx, dy);
            ASSERT_EQ(t.a, f.a) << dx << "," << dy;
            ASSERT_EQ(t.cos, f.cos) << dx << "," << dy;
            ASSERT_EQ(t.sin, f.sin) << dx << "," << dy;
            ASSERT_EQ(t.fmx, f.fmx) << dx << "," << dy;
        }
    EXPECT_EQ(heading_to(0, 5).a, 90);
    EXPECT_EQ(heading_to(-5, -5).a, 225);
    EXPECT_EQ(heading_to(-5, -5).fmx, 5);
    EXPECT_EQ(heading_to(5, -1).fmx, 0); // 348.7 degrees faces column 0, not 8
    EXPECT_EQ(whole_units(-2.5), -3);
    EXPECT_EQ(whole_units(2.49), 2);
}
