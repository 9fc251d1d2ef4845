#include <gtest/gtest.h>

#include "match/players/control_kick.hpp"
#include "match/players/player_targets.hpp"
#include "player_test_support.hpp"

using namespace player_test;

TEST(PlayerTargets, TacticsAreMirroredForEachSide) {
    build_match();
    ball.set_position(0, 0, 0);
    ball.update_zone();
    set_tactics_targets(0);
    const t_vec2d right_back = tactics[0].target[1][17];
    EXPECT_EQ(squad_player(0, 2).tx, -right_back.x);
    EXPECT_EQ(squad_player(0, 2).ty, -right_back.y);
    EXPECT_EQ(squad_player(1, 2).tx, right_back.x);
    EXPECT_EQ(squad_player(1, 2).ty, right_back.y);
    // Defenders stand between the ball and their own goal.
    EXPECT_GT(squad_player(0, 2).ty, 0);
    EXPECT_LT(squad_player(1, 2).ty, 0);
}

TEST(PlayerTargets, BallNearOneGoalUsesMirroredZones) {
    build_match();
    ball.set_position(206, 3 * 184, 0); // zone (1, 3): in front of team 0's goal
    ball.update_zone();
    set_tactics_targets(0);
    const t_vec2d back_home = tactics[0].target[9][17 - 16];
    const t_vec2d forward_away = tactics[0].target[9][17 + 16];
    EXPECT_EQ(squad_player(0, 10).ty, -back_home.y);
    EXPECT_EQ(squad_player(1, 10).ty, forward_away.y);
    EXPECT_EQ(squad_player(1, 10).tx, forward_away.x);
    // Everybody moved towards the goal at y = +640.
    EXPECT_GT(squad_player(0, 10).ty, 0);
    EXPECT_GT(squad_player(1, 10).ty, 0);
    set_tactics_targets(1);
    EXPECT_EQ(squad_player(0, 10).ty, -tactics[0].target[9][17].y);
    // The keepers are left to their own behaviour.
    EXPECT_EQ(squad_player(0, 1).tx, 0);
}

TEST(PlayerTargets, ChaserMeetsTheBallOnItsPath) {
    build_match();
    ball.set_position(0, 0, 0);
    ball.v = 200;
    ball.a = 0;
    team_at(1).nearest_1 = ref(1, 7);
    squad_player(1, 7).x = 100;
    squad_player(1, 7).y = 30;
    set_chase_targets();
    EXPECT_NEAR(squad_player(1, 7).tx, 100, 1e-9);
    EXPECT_NEAR(squad_player(1, 7).ty, 0, 1e-9);
    // Standing on the path: straight at the ball.
    squad_player(1, 7).y = 0.5;
    set_chase_targets();
    EXPECT_EQ(squad_player(1, 7).tx, 0);
    EXPECT_EQ(squad_player(1, 7).ty, 0);
}

TEST(PlayerTargets, TeamWithTheBallAndKeepersDoNotChase) {
    build_match();
    give_ball(0, 7, 0, 0);
    squad_player(0, 7).tx = 55;
    set_chase_targets();
    EXPECT_EQ(squad_player(0, 7).tx, 55);
    ball.set_owner(nullptr);
    team_at(1).nearest_1 = ref(1, 1);
    squad_player(1, 1).tx = 3;
    set_chase_targets();
    EXPECT_EQ(squad_player(1, 1).tx, 3);
}

TEST(PlayerTargets, BestReceiverIsTheMateInTheBallsCourse) {
    build_match();
    ball.set_position(0, 0, 0);
    EXPECT_EQ(best_receiver(0), 0);
    ball.v = 150;
    ball.a = 0;
    for (int s = 1; s <= 11; ++s) {
        squad_player(0, s).x = -300;
        squad_player(0, s).y = 50.0 * s;
    }
    squad_player(0, 5).x = 200;
    squad_player(0, 5).y = 20;
    squad_player(0, 8).x = 50;
    squad_player(0, 8).y = 0;
    team_at(0).nearest_1 = ref(0, 8); // the kicker himself is never his own receiver
    EXPECT_EQ(best_receiver(0), 5);
    // The defending side's best receiver is the man in the way: he intercepts.
    team_at(0).nearest_1 = ref(0, 3);
    set_chase_targets();
    EXPECT_NEAR(squad_player(0, 8).ty, 0, 1e-9);
}

TEST(PlayerTargets, AimCorrectionIsSignedTowardsTheMateAhead) {
    build_match();
    for (int s = 1; s <= 11; ++s) {
        squad_player(0, s).x = 0;
        squad_player(0, s).y = 500; // behind
    }
    team_at(0).nearest_1 = ref(0, 7);
    team_at(0).controlled = ref(0, 7);
    squad_player(0, 7).x = 0;
    squad_player(0, 7).y = 0;
    squad_player(0, 7).a = 270;
    squad_player(0, 9).x = 20;
    squad_player(0, 9).y = -200;
    EXPECT_EQ(aim_correction(0), 5); // -84.3 degrees is 5.7 to the right of -90
    squad_player(0, 9).x = -20;
    EXPECT_EQ(aim_correction(0), -5);
}
