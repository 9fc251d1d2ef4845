#include <gtest/gtest.h>

#include "match/players/control_kick.hpp"
#include "player_test_support.hpp"

using namespace player_test;

namespace {

class ControlKick : public ::testing::Test {
protected:
    void SetUp() override {
        build_match();
        // Team 0 attacks upwards (towards y = -640). Its player 10 has the ball.
        give_ball(0, 10, 0, 100);
        squad_player(0, 10).a = 270;
    }
    t_input& in() { return inputs[0]; }
    // One update with the given stick and fire.
    void update(int x, int y, int fire) {
        hold(0, x, y, fire);
        update_kick(0);
    }
    // Starts a kick up the pitch and holds it for `updates` updates in all.
    void charge(int updates, int x = 0, int y = -1) {
        update(x, y, 1);
        for (int i = 1; i < updates; ++i) update(x, y, 1);
    }
    // Leaves team-mates only where the test wants them.
    void clear_mates() {
        for (int s = 1; s <= 11; ++s)
            if (s != 10) {
                squad_player(0, s).x = 400;
                squad_player(0, s).y = 600;
            }
    }
};

} // namespace

TEST_F(ControlKick, TapWithCentredStickNeverStarts) {
    update(0, 0, 1);
    EXPECT_EQ(in().fired, 0);
    EXPECT_EQ(in().fire_time, 0);
    update(0, 0, 0);
    EXPECT_EQ(ball.v, 0);
}

TEST_F(ControlKick, StartFixesDirectionAndHeight) {
    ball.z = 4.7;
    ball.s = 3;
    update(1, -1, 1);
    EXPECT_EQ(in().fired, 1);
    EXPECT_EQ(in().fire_time, 1);
    EXPECT_EQ(in().fire_angle, -45);
    EXPECT_EQ(in().fire_z, 4);
    EXPECT_EQ(in().atouch, 1);
    EXPECT_EQ(ball.s, 0);
}

TEST_F(ControlKick, NoStartWithBallInTheAirOrWithTheOpponents) {
    ball.z = 5;
    update(0, -1, 1);
    EXPECT_EQ(in().fired, 0);
    ball.z = 0;
    ball.set_owner(ref(1, 5));
    update(0, -1, 1);
    EXPECT_EQ(in().fired, 0);
}

TEST_F(ControlKick, PassSpeedGrowsWithReceiverDistanceAndIsCapped) {
    clear_mates();
    ball.v = 50; // a dribbled ball, so the receiver search has a course
    ball.a = 270;
    squad_player(0, 9).x = 0;
    squad_player(0, 9).y = 100 - 300;
    charge(3);
    update(0, -1, 0);
    EXPECT_DOUBLE_EQ(ball.v, 180 * 1.55);
    EXPECT_EQ(in().fired, -1);
    EXPECT_EQ(team_at(0).controlled, nullptr);

    SetUp();
    clear_mates();
    ball.v = 50;
    ball.a = 270;
    squad_player(0, 9).x = 0;
    squad_player(0, 9).y = 100 - 200;
    charge(3);
    update(0, -1, 0);
    EXPECT_NEAR(ball.v, 252, 1e-9);
    EXPECT_EQ(ball.vz, 0);
}

TEST_F(ControlKick, PassBendsTowardsAMateWithinTheAimLimit) {
    clear_mates();
    ball.v = 50;
    // 20 degrees right of straight up the pitch.
    squad_player(0, 9).x = 200 * std::sin(20 * 3.14159265358979 / 180);
    squad_player(0, 9).y = 100 - 200 * std::cos(20 * 3.14159265358979 / 180);
    charge(2);
    update(0, -1, 0);
    EXPECT_NEAR(ball.a, -90 + 20, 1.0);
    // 40 degrees off is beyond the correction: the ball goes where the stick said.
    SetUp();
    clear_mates();
    ball.v = 50;
    squad_player(0, 9).x = 200 * std::sin(40 * 3.14159265358979 / 180);
    squad_player(0, 9).y = 100 - 200 * std::cos(40 * 3.14159265358979 / 180);
    charge(2);
    update(0, -1, 0);
    EXPECT_EQ(ball.a, -90);
}

TEST_F(ControlKick, PassFromTheAirIsLifted) {
    ball.z = 3;
    charge(2);
    update(0, -1, 0);
    EXPECT_EQ(ball.vz, 15);
}

TEST_F(ControlKick, EarlyWindowGivesShotSpeedButKeepsCharging) {
    charge(7); // fire_time 6 seen in the 7th update
    EXPECT_EQ(ball.v, SHOT_SPEED);
    EXPECT_EQ(ball.vz, SHOT_LIFT);
    EXPECT_EQ(in().fired, 1);
    EXPECT_NE(team_at(0).controlled, nullptr);
}

TEST_F(ControlKick, ReleasedInEarlyWindowLeavesWithShotValues) {
    charge(6);
    update(0, -1, 0); // fire_time 6, released
    EXPECT_EQ(ball.v, SHOT_SPEED);
    EXPECT_EQ(ball.vz, SHOT_LIFT);
    EXPECT_EQ(in().fired, -1);
}

TEST_F(ControlKick, ShotInTheZoneUsesShootingAndFinishing) {
    // 300 from halfway in the opponents' half, straight at their goal.
    give_ball(0, 10, 0, -300);
    squad_player(0, 10).sh = 7 + 8; // the star bit does not count
    squad_player(0, 10).fi = 0;
    charge(10); // the 10th update sees fire_time 9
    EXPECT_DOUBLE_EQ(ball.v, 322.5);
    EXPECT_DOUBLE_EQ(ball.vz, 170);
    EXPECT_EQ(in().fired, -1);
    EXPECT_EQ(team_at(0).controlled, nullptr);
}

TEST_F(ControlKick, EarlyWindowShotInTheZone) {
    give_ball(0, 10, 0, -300);
    squad_player(0, 10).sh = 5;
    squad_player(0, 10).fi = 2;
    ball.z = 2;
    charge(7);
    EXPECT_DOUBLE_EQ(ball.v, 270 + 7.2 * 5);
    EXPECT_DOUBLE_EQ(ball.vz, 170 - 7.2 * 2 + 2.5 * 2);
}

TEST_F(ControlKick, ShotZoneNeedsDepthSideAndAim) {
    squad_player(0, 10).sh = 7;
    // Too near halfway (640 - 213 = 427 from the goal line).
    give_ball(0, 10, 0, -210);
    charge(10);
    EXPECT_EQ(ball.v, SHOT_SPEED);
    // Own half.
    SetUp();
    squad_player(0, 10).sh = 7;
    give_ball(0, 10, 0, 300);
    charge(10);
    EXPECT_EQ(ball.v, SHOT_SPEED);
    // Diagonal is still within 45 degrees of the goal.
    SetUp();
    squad_player(0, 10).sh = 7;
    give_ball(0, 10, 0, -300);
    charge(10, 1, -1);
    EXPECT_DOUBLE_EQ(ball.v, 322.5);
    // Sideways is not: and sideways pushing at fire_time 9 makes no shot at all.
    SetUp();
    squad_player(0, 10).sh = 7;
    give_ball(0, 10, 0, -300);
    charge(10, 1, 0);
    EXPECT_EQ(in().fired, -1);
    EXPECT_EQ(ball.v, SHOT_SPEED);
}

TEST_F(ControlKick, StickAcrossOrReleasedAtNineIsALob) {
    charge(9);
    update(1, 0, 1); // d = 270
    EXPECT_EQ(ball.v, LOB_SPEED);
    EXPECT_EQ(ball.vz, LOB_LIFT);
    EXPECT_EQ(in().fired, -1);

    SetUp();
    ball.z = 4;
    charge(10);
    // fire_time 10 with the stick let go and fire still held.
    SetUp();
    ball.z = 4;
    charge(10 - 1);
    update(0, 0, 1);
    EXPECT_EQ(ball.v, LOB_SPEED);
    EXPECT_EQ(ball.vz, LOB_LIFT + 2.5 * 4);
}

TEST_F(ControlKick, StickTurnedBackAtNineGoesOnCharging) {
    charge(10 - 1);
    update(0, 1, 1); // d = 180 at fire_time 9
    EXPECT_EQ(in().fired, 1);
    update(0, 1, 1); // 10
    EXPECT_EQ(in().fired, 1);
    update(0, 1, 1); // 11: clearance
    EXPECT_EQ(ball.v, CLEARANCE_SPEED);
    EXPECT_EQ(ball.vz, CLEARANCE_LIFT);
    EXPECT_EQ(ball.a, -90);
    EXPECT_EQ(in().fired, -1);
}

TEST_F(ControlKick, HeldPastTheWindowsIsAlwaysStruck) {
    // Turned 135 degrees at 9 and 10 (neither aimed nor across) and back at 11.
    charge(9);
    update(1, 1, 1);
    update(1, 1, 1);
    EXPECT_EQ(in().fired, 1);
    update(0, -1, 1);
    EXPECT_EQ(in().fired, -1);
    EXPECT_EQ(ball.v, SHOT_SPEED);
    EXPECT_EQ(ball.vz, SHOT_LIFT);
}

TEST_F(ControlKick, CoolingDownCountsBackThenAllowsAnotherKick) {
    charge(3);
    update(0, -1, 0); // pass at fire_time 3
    ASSERT_EQ(in().fired, -1);
    EXPECT_EQ(in().fire_time, 2);
    update(0, -1, 1);
    update(0, -1, 1);
    EXPECT_EQ(in().fired, 0);
    EXPECT_EQ(in().fire_time, 0);
    update(0, -1, 1);
    EXPECT_EQ(in().fired, 1);
}

TEST_F(ControlKick, LosingTheBallCancelsTheKick) {
    charge(4);
    ball.set_owner(nullptr);
    update(0, -1, 1);
    EXPECT_EQ(in().fired, 0);
    EXPECT_EQ(in().fire_time, 0);
}

TEST_F(ControlKick, AfterTouchCurlsTheBall) {
    charge(2);
    update(0, -1, 0); // pass up the pitch; after-touch state 1
    // Stick 45 degrees to the left of the kick: state 2, then curl left.
    update(-1, -1, 0);
    EXPECT_EQ(in().atouch, 2);
    EXPECT_EQ(ball.s, 0);
    update(-1, -1, 0); // d = 45
    EXPECT_EQ(ball.s, -1);
    update(1, 0, 0); // d = 270
    EXPECT_EQ(ball.s, 0);
    update(0, 1, 0); // pulled back: state 3
    EXPECT_EQ(in().atouch, 3);
    update(-1, 1, 0); // d = 135, but only after 8 updates of touch
    update(-1, 1, 0);
    EXPECT_EQ(ball.s, 0);
    update(-1, 1, 0);
    update(-1, 1, 0);
    EXPECT_EQ(ball.s, -2);
    update(1, 1, 0); // d = 225
    EXPECT_EQ(ball.s, -1);
    for (int i = 0; i < 10; ++i) update(1, 1, 0);
    EXPECT_EQ(in().atouch, 0);
    EXPECT_EQ(in().atouch_time, 0);
}

TEST_F(ControlKick, SpinBendsTheBallTowardsTheStick) {
    charge(2);
    update(0, -1, 0);
    update(-1, -1, 0);
    update(-1, -1, 0);
    const double x_before = ball.x;
    ball.update_physics();
    EXPECT_LT(ball.x, x_before);
}

TEST_F(ControlKick, AfterTouchIgnoresAStraightOrReversedStick) {
    charge(2);
    update(0, -1, 0);
    update(0, 1, 0); // reversed: mod 180 = 0
    update(0, -1, 0);
    EXPECT_EQ(in().atouch, 1);
    EXPECT_EQ(ball.s, 0);
}
