// ENHANCED auto switch on a pitch of fixed positions: while the opponents carry the ball, a human side
// steers the outfield man best placed to win it, holds him a moment, and leaves CLASSIC play alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/globals.hpp"
#include "football/match_settings.hpp"
#include "match/core/match_rules.hpp"
#include "match/enhanced/enhanced_switch.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "player_test_support.hpp"

using namespace player_test;

namespace {
constexpr int CARRIER = 8;  // team 1's, running up the pitch at team 0's goal
constexpr int BESIDE = 4;   // team 0's controlled man, level with the carrier out to the side
constexpr int AHEAD = 6;    // in the carrier's way: the one to win the ball
constexpr int BEHIND = 9;   // nearest to the ball, but the carrier runs away from him
constexpr double CARRIER_SPEED = 100;
constexpr int32_t START_MS = 10000;

class EnhancedSwitch : public ::testing::Test {
protected:
    void SetUp() override {
        build_match();
        saved_w_ = screen_w;
        saved_h_ = screen_h;
        // One screen shows the whole pitch: nobody is off it.
        screen_w = screen_h = 4000;
        std::fill(replay_camera_x.begin(), replay_camera_x.end(), PITCH_ORIGIN_X - 2000);
        std::fill(replay_camera_y.begin(), replay_camera_y.end(), PITCH_ORIGIN_Y - 2000);
        match_settings.gameplay = t_gameplay::enhanced;
        match_settings.auto_switch = true;
        match_status.timer = START_MS;
        team_at(0).control = CONTROL_PLAYER;
        for (t_input& in : inputs) in = t_input{};
        // Team 0's outfield men far back in their own half, the carrier between them and their goal.
        for (int s = 2; s <= 11; ++s) place(0, s, 40.0 * s - 260, -600);
        give_ball(1, CARRIER, 0, 100);
        t_player& c = squad_player(1, CARRIER);
        c.a = 90; // towards y = +640, the goal team 0 defends
        c.v = CARRIER_SPEED;
        place(0, 1, 0, 160); // the keeper off his line, nearer than anyone
        place(0, BESIDE, 200, 100);
        place(0, AHEAD, 0, 250);
        place(0, BEHIND, 0, -20);
        team_at(0).controlled = ref(0, BESIDE);
    }
    void TearDown() override {
        match_settings.gameplay = t_gameplay::classic;
        match_settings.auto_switch = true;
        screen_w = saved_w_;
        screen_h = saved_h_;
    }

    static void place(int team, int slot, double x, double y) {
        t_player& p = squad_player(team, slot);
        p.x = p.tx = x;
        p.y = p.ty = y;
        p.v = 0;
    }
    // The rules asked once at the present clock, then again `later` ms on.
    static void switch_twice(int32_t later = AUTO_SWITCH_HOLD_MS) {
        match_rules().auto_switch(0);
        match_status.timer += later;
        match_rules().auto_switch(0);
    }
    static std::shared_ptr<t_player> controlled() { return team_at(0).controlled; }

private:
    int32_t saved_w_ = 0;
    int32_t saved_h_ = 0;
};
} // namespace

TEST(EnhancedSwitchReach, AManMeetsTheBallHeadOnSoonerThanFromBehind) {
    build_match();
    t_player& p = squad_player(0, BESIDE);
    p.x = 0;
    p.y = 0;
    p.speed = 120;
    EXPECT_DOUBLE_EQ(time_to_meet(p, 0, 120, 0, 0), 1.0) << "a still ball: the distance at his speed";
    EXPECT_NEAR(time_to_meet(p, 0, 220, 100, -90), 1.0, 1e-9) << "coming at him it closes at 220";
    EXPECT_NEAR(time_to_meet(p, 0, 20, 100, 90), 1.0, 1e-9) << "running away it closes at 20 only";
    EXPECT_TRUE(std::isinf(time_to_meet(p, 0, 20, 150, 90))) << "a faster carrier running away is never caught";
    EXPECT_TRUE(std::isinf(time_to_meet(p, 0, 20, 120, 90))) << "nor one as fast";
    EXPECT_NEAR(time_to_meet(p, 0, -20, 120, 90), 20.0 / 240, 1e-9) << "one as fast coming at him is met halfway";
    p.speed = 0;
    EXPECT_TRUE(std::isinf(time_to_meet(p, 0, 20, 0, 0)));
}

TEST_F(EnhancedSwitch, ControlGoesToTheOutfieldManInTheCarriersWayNotTheKeeperNorTheManBehind) {
    EXPECT_EQ(best_placed_to_win_ball(0), ref(0, AHEAD));
    match_rules().auto_switch(0);
    EXPECT_EQ(controlled(), ref(0, BESIDE)) << "a man just given control is held a moment first";
    match_status.timer += AUTO_SWITCH_HOLD_MS;
    match_rules().auto_switch(0);
    EXPECT_EQ(controlled(), ref(0, AHEAD));

    place(0, AHEAD, -600, 600); // out of the way: the keeper is still nearer than the man beside
    EXPECT_EQ(best_placed_to_win_ball(0), ref(0, BESIDE)) << "never the keeper";
}

TEST_F(EnhancedSwitch, ControlDoesNotFlickerBetweenTwoMen) {
    switch_twice();
    ASSERT_EQ(controlled(), ref(0, AHEAD));
    // The carrier turns away: the man beside him is now the one to go.
    squad_player(1, CARRIER).a = 0;
    ASSERT_EQ(best_placed_to_win_ball(0), ref(0, BESIDE));
    match_status.timer += AUTO_SWITCH_HOLD_MS / 2;
    match_rules().auto_switch(0);
    EXPECT_EQ(controlled(), ref(0, AHEAD)) << "control moved on before the hold was over";
    match_status.timer += AUTO_SWITCH_HOLD_MS / 2;
    match_rules().auto_switch(0);
    EXPECT_EQ(controlled(), ref(0, BESIDE));
}

TEST_F(EnhancedSwitch, OnlyAManClearlyBetterPlacedTakesOver) {
    // Both at the side of a standing carrier, the other nearer by less than the margin.
    squad_player(1, CARRIER).v = 0;
    place(0, BEHIND, -600, -600);
    place(0, AHEAD, 200 - AUTO_SWITCH_MARGIN / 2, 100);
    switch_twice();
    EXPECT_EQ(controlled(), ref(0, BESIDE));
    place(0, AHEAD, 200 - 2 * AUTO_SWITCH_MARGIN, 100);
    match_rules().auto_switch(0);
    EXPECT_EQ(controlled(), ref(0, AHEAD));
}

TEST_F(EnhancedSwitch, ASideSteeringNobodyOrAManOnTheGrassNeedsNoMargin) {
    team_at(0).controlled = nullptr;
    switch_twice();
    EXPECT_EQ(controlled(), ref(0, AHEAD)) << "a side steering nobody gets the best placed man";

    squad_player(1, CARRIER).v = 0;
    place(0, BEHIND, -600, -600);
    place(0, AHEAD, 200 - AUTO_SWITCH_MARGIN / 2, 100);
    team_at(0).controlled = ref(0, BESIDE);
    squad_player(0, BESIDE).play.down = 100;
    switch_twice();
    EXPECT_EQ(controlled(), ref(0, AHEAD)) << "a fallen man cannot win the ball";
}

TEST_F(EnhancedSwitch, NothingSwitchesOffTheOptionUnderClassicOrWithTheBall) {
    const auto unchanged = [](const char* why) {
        switch_twice();
        EXPECT_EQ(controlled(), ref(0, BESIDE)) << why;
    };
    match_settings.auto_switch = false;
    unchanged("the option is off");
    match_settings.auto_switch = true;
    match_settings.gameplay = t_gameplay::classic;
    unchanged("CLASSIC");
    match_settings.gameplay = t_gameplay::enhanced;

    team_at(0).control = CONTROL_COMPUTER;
    unchanged("the computer's side");
    team_at(0).control = CONTROL_COACH;
    unchanged("a coach's side is played by the computer");
    team_at(0).control = CONTROL_PLAYER;

    ball.set_owner(ref(0, BESIDE));
    unchanged("his own side has the ball");
    ball.set_owner(nullptr);
    unchanged("a loose ball");
    ball.set_owner(ref(1, CARRIER));

    t_input& in = input_of(0);
    in.fire11 = 1;
    unchanged("fire 1 held: his own switch");
    in.fire11 = 0;
    in.fire_time = 3;
    unchanged("a kick charging");
    in.fire_time = 0;
    squad_player(0, BESIDE).play.slide = 10;
    unchanged("a slide");
    squad_player(0, BESIDE).play.slide = 0;
    switch_twice();
    EXPECT_EQ(controlled(), ref(0, AHEAD)) << "and with nothing in the way it does switch";
}
