#include <gtest/gtest.h>

#include <cmath>

#include "match/ball/ball.hpp"
#include "match/core/match_state.hpp"

namespace {

class BallPhysics : public ::testing::Test {
protected:
    void SetUp() override {
        grass = t_grass{};
        grass.friction = 0.4;
        grass.bounce = 65;
        wind = t_wind{};
        b = t_ball();
    }
    t_ball b;
};

TEST_F(BallPhysics, RollingStepMovesOneUnitAndLosesFriction) {
    b.v = 480;
    b.a = 0;
    b.update_physics();
    EXPECT_NEAR(b.x, 1.0, 1e-9);
    EXPECT_NEAR(b.y, 0.0, 1e-9);
    EXPECT_NEAR(b.v, 479.6, 1e-9);
}

TEST_F(BallPhysics, BallInTheAirKeepsItsGroundSpeed) {
    b.z = 10;
    b.v = 480;
    b.update_physics();
    EXPECT_DOUBLE_EQ(b.v, 480);
    EXPECT_NEAR(b.vz, -0.8125, 1e-12);
}

TEST_F(BallPhysics, SpinBendsThePathSideways) {
    b.v = 480;
    b.s = 10;
    b.z = 5;
    b.update_physics();
    EXPECT_NEAR(b.x, 1.0, 1e-9);
    EXPECT_NEAR(b.y, 0.38, 1e-9);
}

TEST_F(BallPhysics, SpinDiesWhenTheRollStops) {
    b.v = 0.0001;
    b.s = 3;
    b.update_physics();
    EXPECT_EQ(b.v, 0);
    EXPECT_EQ(b.s, 0);
}

TEST_F(BallPhysics, WindPushesOnlyABallOffTheGrass) {
    wind.speed = 2;
    wind.dir = 0;
    b.z = 9;
    b.update_physics();
    EXPECT_NEAR(b.x, 0.05, 1e-12);
    b = t_ball();
    b.update_physics();
    EXPECT_EQ(b.x, 0);
    wind.dir = 2; // 90 degrees: down the screen
    b.z = 9;
    b.update_physics();
    EXPECT_NEAR(b.y, 0.05, 1e-12);
    EXPECT_NEAR(b.x, 0, 1e-12);
}

// Gravity of 390 units/s^2 lands a ball dropped from 6 at about 68 (dead), from 10 at about 88 (live).
TEST_F(BallPhysics, LowDropIsDeadHigherDropBounces) {
    const auto drop = [&](double height) {
        b = t_ball();
        b.z = height;
        int steps = 0;
        while (b.z > 0 && steps < 1000) {
            b.update_physics();
            ++steps;
        }
        return b.vz;
    };
    EXPECT_EQ(drop(6), 0);
    EXPECT_EQ(b.z, 0);
    b.update_physics();
    EXPECT_EQ(b.z, 0);
    const double up = drop(10);
    EXPECT_GT(up, 0.65 * 70);
    EXPECT_LT(up, 0.65 * 90);
}

TEST_F(BallPhysics, LiveBounceSlowsTheRollAndKeepsBounceShare) {
    b.z = 0.01;
    b.vz = -100;
    b.v = 100;
    b.update_physics();
    EXPECT_EQ(b.z, 0);
    EXPECT_NEAR(b.v, 100 - 0.4 * std::sqrt(100.0 / 480) - 35, 1e-9);
    EXPECT_NEAR(b.vz, 65, 1e-9);
}

TEST_F(BallPhysics, WallsHalveSpeedAndReflect) {
    b.set_position(0, -700, 0);
    b.a = 270;
    b.v = 100;
    b.s = 2;
    b.in_field_keep();
    EXPECT_EQ(b.y, -700);
    EXPECT_DOUBLE_EQ(b.a, -270);
    EXPECT_EQ(b.v, 50);
    EXPECT_EQ(b.s, -2);

    b.set_position(580, 0, 0);
    b.a = 10;
    b.v = 100;
    b.in_field_keep();
    EXPECT_EQ(b.x, 572);
    EXPECT_DOUBLE_EQ(b.a, 170);
    b.set_position(-566, 699, 0);
    b.in_field_keep();
    EXPECT_EQ(b.x, -565);
    EXPECT_EQ(b.y, 698);
}

TEST_F(BallPhysics, ZonesRoundHalvesAwayFromTheCentre) {
    b.set_position(103, 0, 0);
    b.update_zone();
    EXPECT_EQ(b.zone_x, 1);
    b.set_position(-103, -92, 0);
    b.update_zone();
    EXPECT_EQ(b.zone_x, -1);
    EXPECT_EQ(b.zone_y, -1);
    b.set_position(2000, 2000, 0);
    b.update_zone();
    EXPECT_EQ(b.zone_x, 2);
    EXPECT_EQ(b.zone_y, 3);
}

TEST_F(BallPhysics, StillBallKeepsItsNextZone) {
    b.v = 100;
    b.a = 90;
    b.update_zone();
    EXPECT_EQ(b.zone_y_next, 1);
    b.v = 0;
    b.a = 180;
    b.update_zone();
    EXPECT_EQ(b.zone_x_next, 0);
    EXPECT_EQ(b.zone_y_next, 1);
}

TEST_F(BallPhysics, PredictionRunsAheadAndLeavesTheBallAlone) {
    b.set_position(10.4, -20.6, 0);
    b.v = 240;
    b.vz = 100;
    b.a = 30;
    b.s = 1;
    t_ball copy = b;
    b.update_prediction();
    EXPECT_EQ(b.x, copy.x);
    EXPECT_EQ(b.v, copy.v);
    EXPECT_EQ(b.vz, copy.vz);
    EXPECT_EQ(b.prediction[0].x, 10);
    EXPECT_EQ(b.prediction[0].y, -21);
    for (int k = 0; k < 12; ++k) copy.update_physics();
    EXPECT_EQ(b.prediction[1].x, static_cast<int>(std::lround(copy.x)));
    EXPECT_EQ(b.prediction[1].z, static_cast<int>(std::lround(copy.z)));
}

// The prediction stops working once the ball lies still; what it predicts must
// be what running the physics all the way gives, wind or not.
TEST_F(BallPhysics, PredictionOfABallComingToRestMatchesTheFullRun) {
    for (int windy = 0; windy < 2; ++windy) {
        wind.speed = windy * 2;
        wind.dir = 3;
        b.set_position(-40.3, 100.2, 0);
        b.v = 60;
        b.vz = 20;
        b.a = 200;
        b.s = -1;
        t_ball copy = b;
        b.update_prediction();
        for (size_t i = 0; i < b.prediction.size(); ++i) {
            EXPECT_EQ(b.prediction[i].x, static_cast<int>(std::lround(copy.x))) << i << " wind " << windy;
            EXPECT_EQ(b.prediction[i].y, static_cast<int>(std::lround(copy.y))) << i << " wind " << windy;
            EXPECT_EQ(b.prediction[i].z, static_cast<int>(std::lround(copy.z))) << i << " wind " << windy;
            for (int k = 0; k < 12; ++k) copy.update_physics();
        }
        EXPECT_EQ(copy.v, 0) << "the ball must have come to rest within the prediction";
    }
}

TEST_F(BallPhysics, CornerFlagStopsALowBallOnly) {
    b.x0 = 500;
    b.y0 = 635;
    b.set_position(507, 638, 10);
    b.v = 200;
    b.collision_flagposts();
    EXPECT_NEAR(b.v, 60, 1e-9);
    EXPECT_EQ(b.x, 500);
    EXPECT_EQ(b.y, 635);
    b.set_position(507, 638, 21.5);
    b.v = 200;
    b.collision_flagposts();
    EXPECT_EQ(b.v, 200);
}

TEST_F(BallPhysics, JumpersStopBallsUpToTheirHeight) {
    b.x0 = 85;
    b.y0 = 684;
    b.set_position(89, 684, 40);
    b.v = 100;
    b.a = 0;
    b.collision_jumpers();
    EXPECT_NEAR(b.v, 30, 1e-9);
    EXPECT_NEAR(std::fmod(b.a + 360, 360), 180, 1e-9);
    b.set_position(89, 684, 43);
    b.v = 100;
    b.collision_jumpers();
    EXPECT_EQ(b.v, 100);
}

TEST_F(BallPhysics, PostSendsTheBallBack) {
    b.side = t_vec2d{1, 1};
    b.x0 = 60;
    b.y0 = 641;
    b.set_position(67, 641, 10);
    b.v = 200;
    EXPECT_EQ(b.collision_goal(), 1);
    EXPECT_EQ(b.v, 100);
    EXPECT_EQ(b.x, 60);
    EXPECT_NEAR(std::fmod(b.a + 360, 360), 180, 1e-9);
    // Above the post the ball passes.
    b.x0 = 60;
    b.y0 = 641;
    b.z0 = 36;
    b.set_position(67, 641, 36);
    b.v = 200;
    EXPECT_EQ(b.collision_goal(), 0);
}

TEST_F(BallPhysics, CrossbarTurnsARisingShotDown) {
    b.side = t_vec2d{0, 1};
    b.x0 = 0;
    b.y0 = 630;
    b.z0 = 31;
    b.set_position(0, 636, 31);
    b.v = 300;
    b.vz = 50;
    EXPECT_EQ(b.collision_goal(), 1);
    EXPECT_EQ(b.y, 630);
    EXPECT_EQ(b.z, 31);
    EXPECT_LT(b.vz, 0);
    EXPECT_LT(b.v, 300);
    EXPECT_NEAR(std::fabs(std::fmod(b.a + 360, 360) - 270), 0, 1e-6);
}

TEST_F(BallPhysics, ABallSettledOnTheCrossbarRollsOffInFrontOfIt) {
    // Where a header once left the ball for good: on the bar, a little in front of it, barely moving.
    b.set_position(-29.7829, 636.5322, 36.6136);
    b.v = 0.3115;
    b.vz = 0.1723;
    b.a = -90;
    for (int k = 0; k < 480 && b.z > 0; ++k) {
        b.update();
        b.collision_goal();
    }
    EXPECT_EQ(b.z, 0) << "still on the bar after a second";
    EXPECT_LT(b.y, 640 - 5) << "it drops in front of the line, out of the bar's reach";
}

TEST_F(BallPhysics, BallOutsideTheFrameTouchesNothing) {
    b.side = t_vec2d{1, 1};
    b.x0 = 100;
    b.y0 = 630;
    b.set_position(100, 636, 10);
    b.v = 200;
    EXPECT_EQ(b.collision_goal(), 0);
    EXPECT_EQ(b.v, 200);
}

TEST_F(BallPhysics, BackNetCatchesTheBall) {
    b.side = t_vec2d{0, 1};
    b.x0 = 0;
    b.y0 = 660;
    b.z0 = 0;
    b.set_position(0, 661, 0);
    b.v = 300;
    b.a = 90;
    b.collision_net();
    EXPECT_NEAR(b.v, 30, 1e-9);
    EXPECT_NEAR(b.a, -90, 1e-9);
}

TEST_F(BallPhysics, SideNetTurnsTheBallBackInside) {
    b.side = t_vec2d{1, 1};
    b.x0 = 70;
    b.y0 = 650;
    b.set_position(71.5, 651, 5);
    b.v = 300;
    b.a = 10;
    b.collision_net();
    EXPECT_NEAR(b.v, 30, 1e-9);
    EXPECT_GT(std::fabs(b.a), 90);
}

TEST_F(BallPhysics, LastOwnerSurvivesLosingTheBall) {
    auto p = std::make_shared<t_player>();
    b.set_owner(p);
    b.set_owner(nullptr);
    EXPECT_EQ(b.owner, nullptr);
    EXPECT_EQ(b.owner_last, p);
}

TEST_F(BallPhysics, SetPositionStopsTheBallButKeepsItsDirection) {
    b.v = 100;
    b.vz = 10;
    b.s = 2;
    b.a = 45;
    b.set_position(1, 2, 3);
    EXPECT_EQ(b.v, 0);
    EXPECT_EQ(b.vz, 0);
    EXPECT_EQ(b.s, 0);
    EXPECT_EQ(b.a, 45);
}

TEST_F(BallPhysics, RecordingRoundsPositionAndFloorsThePhase) {
    b.set_position(-10.5, 3.49, 2.5);
    b.f = 3.99;
    b.save(5);
    EXPECT_EQ(b.data[5].x, -11);
    EXPECT_EQ(b.data[5].y, 3);
    EXPECT_EQ(b.data[5].z, 3);
    EXPECT_EQ(b.data[5].fmx, 3);
}

} // namespace
