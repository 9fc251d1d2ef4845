#include <gtest/gtest.h>

#include "match/players/player_possession.hpp"
#include "player_test_support.hpp"

using namespace player_test;

namespace {
class PlayerPossession : public ::testing::Test {
protected:
    void SetUp() override { build_match(); }
    void near_ball(int t, int s, double dx) {
        squad_player(t, s).x = ball.x + dx;
        squad_player(t, s).y = ball.y;
        team_at(t).nearest_1 = ref(t, s);
        team_at(t).controlled = ref(t, s);
    }
};
} // namespace

TEST_F(PlayerPossession, ContestedBallStaysWithThePlayerNearerToIt) {
    ball.set_position(10, 20, 0);
    near_ball(0, 7, -5);
    near_ball(1, 7, 6);
    squad_player(0, 7).fmx = 0; // facing each other: the ball is put between them
    squad_player(1, 7).fmx = 4;
    for (int step = 0; step < 5; ++step) {
        update_possession(0);
        update_possession(1);
        EXPECT_TRUE(ball.owner == ref(0, 7)) << step;
        EXPECT_TRUE(ball.owner_last == ref(0, 7));
    }
    // Team 1 steps in between, nearer, and turns away with it: team 0 cannot take it back.
    squad_player(1, 7).x = ball.x - 1;
    squad_player(1, 7).fmx = 0;
    update_possession(1);
    EXPECT_TRUE(ball.owner == ref(1, 7));
    for (int step = 0; step < 5; ++step) {
        update_possession(0);
        update_possession(1);
        EXPECT_TRUE(ball.owner == ref(1, 7)) << step;
    }
}

TEST_F(PlayerPossession, TakenBallSitsBeforeTheFeetWithHisRun) {
    ball.set_position(0, 0, 10);
    ball.vz = -50;
    ball.s = 2;
    near_ball(0, 7, -6);
    squad_player(0, 7).fmx = 2; // facing +y
    squad_player(0, 7).v = 100;
    squad_player(0, 7).a = 90;
    squad_player(0, 7).bc = 0;
    update_possession(0);
    ASSERT_EQ(ball.owner, ref(0, 7));
    EXPECT_NEAR(ball.x, -6, 1e-9);
    EXPECT_NEAR(ball.y, 4, 1e-9);
    EXPECT_EQ(ball.v, 100);
    EXPECT_EQ(ball.a, 90);
    EXPECT_EQ(ball.z, 10); // without ball control only the fall stops
    EXPECT_EQ(ball.vz, 0);
    EXPECT_EQ(ball.s, 0);
}

TEST_F(PlayerPossession, BallControlPutsItOnTheGrass) {
    ball.set_position(0, 0, 10);
    ball.vz = 6;
    near_ball(0, 7, -3);
    squad_player(0, 7).bc = 1;
    update_possession(0);
    EXPECT_EQ(ball.z, 0);
    EXPECT_EQ(ball.vz, 0);

    ball.set_owner(nullptr);
    ball.set_position(0, 0, 10);
    ball.vz = 8;
    near_ball(0, 7, -3);
    update_possession(0);
    EXPECT_EQ(ball.vz, 8); // a rising ball keeps rising
}

TEST_F(PlayerPossession, HeightDecidesTakingAndLosing) {
    ball.set_position(0, 0, 23);
    near_ball(0, 7, -3);
    update_possession(0);
    EXPECT_EQ(ball.owner, nullptr);
    ball.z = 21.9;
    update_possession(0);
    EXPECT_EQ(ball.owner, ref(0, 7));
    ball.z = 27;
    update_possession(0);
    // Lost first, then not taken back at that height.
    EXPECT_EQ(ball.owner, nullptr);
    EXPECT_EQ(ball.owner_last, ref(0, 7));
}

TEST_F(PlayerPossession, OwnerLosesABallThatRunsAway) {
    ball.set_position(0, 0, 0);
    near_ball(0, 7, -3);
    update_possession(0);
    ASSERT_EQ(ball.owner, ref(0, 7));
    team_at(0).nearest_1 = ref(0, 8); // far away
    ball.x = -3 + 10.5;
    update_possession(0);
    EXPECT_EQ(ball.owner, nullptr);
}

TEST_F(PlayerPossession, NoTakingDuringAKickOrWithoutAControlledPlayer) {
    near_ball(0, 7, -3);
    inputs[0].fire_time = 2;
    update_possession(0);
    EXPECT_EQ(ball.owner, nullptr);
    inputs[0].fire_time = 0;
    team_at(0).controlled = nullptr;
    inputs[0].fire11 = 1;
    update_possession(0);
    EXPECT_EQ(ball.owner, nullptr);
    EXPECT_EQ(team_at(0).controlled, nullptr);
}

TEST_F(PlayerPossession, CloseNearestPlayerTakesControlWhenFireIsUp) {
    near_ball(0, 7, -6.5);
    team_at(0).controlled = nullptr;
    update_possession(0);
    EXPECT_EQ(team_at(0).controlled, ref(0, 7));
    EXPECT_EQ(ball.owner, nullptr); // controlling is not owning yet
    update_possession(0);
    EXPECT_EQ(ball.owner, ref(0, 7));
}

TEST(PlayerNearest, StartsWithTheSecondOnATieAndKeepsListOrder) {
    build_match();
    ball.set_position(0, 0, 0);
    for (int s = 1; s <= 11; ++s) {
        squad_player(0, s).x = 300;
        squad_player(0, s).y = 300;
    }
    squad_player(0, 2).x = squad_player(0, 3).x = 50; // positions 1 and 2 tie
    squad_player(0, 2).y = squad_player(0, 3).y = 0;
    team_at(0).find_nearest();
    EXPECT_EQ(team_at(0).nearest_1, ref(0, 3));
    EXPECT_EQ(team_at(0).nearest_2, ref(0, 2));

    squad_player(0, 6).x = 40; // strictly nearer: first
    squad_player(0, 6).y = 0;
    squad_player(0, 9).x = 50; // a tie does not replace
    squad_player(0, 9).y = 0;
    team_at(0).find_nearest();
    EXPECT_EQ(team_at(0).nearest_1, ref(0, 6));
    EXPECT_EQ(team_at(0).nearest_2, ref(0, 3));
}

TEST(PlayerNearest, KeeperCountsOnlyAfterHisTeamTouchedTheBall) {
    build_match();
    ball.set_position(0, 600, 0);
    team_at(0).find_nearest();
    EXPECT_NE(team_at(0).nearest_1, ref(0, 1));
    ball.owner_last = ref(1, 9);
    team_at(0).find_nearest();
    EXPECT_NE(team_at(0).nearest_1, ref(0, 1));
    ball.owner_last = ref(0, 4);
    team_at(0).find_nearest();
    EXPECT_EQ(team_at(0).nearest_1, ref(0, 1));
}
