// ENHANCED curl: spin turns the ball's course a little every sub-step.
#include <gtest/gtest.h>

#include <cmath>

#include "football/match_settings.hpp"
#include "match/ball/ball.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/enhanced_curl.hpp"

namespace {
class EnhancedCurl : public ::testing::Test {
protected:
    void SetUp() override {
        grass = t_grass{};
        grass.friction = 0.4;
        grass.bounce = 65;
        wind = t_wind{};
        match_settings.gameplay = t_gameplay::enhanced;
    }
    void TearDown() override { match_settings.gameplay = t_gameplay::classic; }

    // A shot struck along +x at `speed` with `spin`, high enough to stay off the grass for `steps` sub-steps.
    static t_ball flight(double spin, int steps, double speed = 300) {
        t_ball b;
        b.z = 30;
        b.vz = 200;
        b.v = speed;
        b.s = spin;
        for (int k = 0; k < steps; ++k) b.update_physics();
        return b;
    }
};
} // namespace

TEST_F(EnhancedCurl, SpinBendsThePathMoreAndMoreAsTheBallFlies) {
    const t_ball half = flight(5, 120);
    const t_ball full = flight(5, 240);
    ASSERT_GT(full.z, 0) << "the test wants the ball in the air throughout";
    EXPECT_GT(half.y, 0) << "positive spin bends towards +y";
    EXPECT_GT(full.a, half.a) << "the course itself turns";
    // A skewed straight line keeps y/x; a curve's grows.
    EXPECT_GT(full.y / full.x, 1.5 * half.y / half.x);
    EXPECT_LT(flight(-5, 240).y, 0) << "the other spin, the other way";
}

TEST_F(EnhancedCurl, ZeroSpinFliesStraight) {
    const t_ball b = flight(0, 240);
    EXPECT_EQ(b.y, 0);
    EXPECT_EQ(b.a, 0);
    EXPECT_NEAR(b.x, 240 * 300 / BALL_SUB_STEPS_PER_SECOND, 1e-9);
}

TEST_F(EnhancedCurl, MoreSpinBendsMoreAndASlowerBallTurnsFaster) {
    EXPECT_GT(flight(10, 200).a, flight(5, 200).a);
    EXPECT_GT(curl_turn(5, 150), curl_turn(5, 300));
    EXPECT_GT(curl_turn(10, 300), curl_turn(5, 300));
    EXPECT_EQ(curl_turn(0, 300), 0);
    EXPECT_EQ(curl_turn(5, 1), curl_turn(5, 0)) << "a ball near rest turns no faster than a slow one";
}

TEST_F(EnhancedCurl, OnTheGrassTheSpinWearsOff) {
    t_ball b;
    b.v = 200;
    b.s = 5;
    for (int k = 0; k < 480 && b.v > 0; ++k) b.update_physics();
    EXPECT_LT(std::fabs(b.s), 1) << "a rolling ball must not spiral";
}

TEST_F(EnhancedCurl, ClassicSkewsTheStraightPathInstead) {
    match_settings.gameplay = t_gameplay::classic;
    const t_ball half = flight(5, 120);
    const t_ball full = flight(5, 240);
    EXPECT_EQ(full.a, 0);
    EXPECT_NEAR(full.y / full.x, half.y / half.x, 1e-9);
}
