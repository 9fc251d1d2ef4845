#include <gtest/gtest.h>

#include <algorithm>

#include "core/globals.hpp"
#include "football/team.hpp"
#include "match/draw/crowd.hpp"
#include "match/draw/grass.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_main.hpp"
#include "match/core/match_setup.hpp"
#include "match/core/match_state.hpp"
#include "platform/random.hpp"

TEST(PitchGoalLine, GoalMouthBoundaries) {
    EXPECT_TRUE(in_goal_mouth(71.9, 33));
    EXPECT_TRUE(in_goal_mouth(-71.9, 0));
    EXPECT_FALSE(in_goal_mouth(72, 33));
    EXPECT_FALSE(in_goal_mouth(-72, 10));
    EXPECT_FALSE(in_goal_mouth(71.9, 33.1));
}

TEST(PitchGoalLine, CrossingNeedsFourUnitsBeyondTheLine) {
    EXPECT_TRUE(over_goal_line(644, 1));
    EXPECT_TRUE(over_goal_line(-644, -1));
    EXPECT_FALSE(over_goal_line(643.99, 1));
    EXPECT_FALSE(over_goal_line(700, -1));
    EXPECT_FALSE(over_goal_line(700, 0));
}

TEST(PitchGrass, TableAndWeather) {
    const t_grass normal = make_grass(4, WEATHER_WIND, 2);
    EXPECT_NEAR(normal.friction, 0.4, 1e-12);
    EXPECT_EQ(normal.bounce, 65);
    const t_grass soaked = make_grass(1, WEATHER_RAIN, 2);
    EXPECT_NEAR(soaked.friction, 0.5, 1e-12);
    EXPECT_EQ(soaked.bounce, 49);
    const t_grass snowy = make_grass(7, WEATHER_SNOW, 2);
    EXPECT_NEAR(snowy.friction, 0.3, 1e-12);
    EXPECT_EQ(snowy.bounce, 66);
    EXPECT_EQ(snowy.sha1, 0x58584C);
    EXPECT_EQ(pitch_palette_path(4, 1, 0), "images/stadium/palettes/normal_night.pal");
    EXPECT_EQ(pitch_palette_path(6, 0, 1), "images/stadium/palettes/hard_cloudy.pal");
}

TEST(PitchWeather, RandomRainOnADryPitchEndsDry) {
    int rainy_draws = 0;
    for (int k = 1; k < 400 && rainy_draws < 5; ++k) {
        seed_rnd(1000003LL * k);
        match_settings.pitch_type = 5;
        match_settings.weather_effect = WEATHER_RANDOM;
        match_settings.time = TIME_RANDOM;
        settings.weather_max = 2;
        choose_pitch_and_weather();
        EXPECT_GE(match_settings.time, 0);
        EXPECT_LE(match_settings.time, 1);
        EXPECT_EQ(wind.speed, match_settings.weather_effect == WEATHER_WIND ? match_settings.weather_intensity : 0);
        if (match_settings.weather_effect != WEATHER_RAIN) continue;
        ++rainy_draws;
        EXPECT_EQ(match_settings.weather_intensity, 0);
        EXPECT_EQ(match_settings.sky, 0);
    }
    EXPECT_GT(rainy_draws, 0);
}

TEST(PitchWeather, IntensityFollowsTheDrawAndTheCaps) {
    int strongest = 0;
    for (int k = 1; k < 300; ++k) {
        seed_rnd(1000003LL * k);
        match_settings.pitch_type = 2; // wet: anything but snow allowed up to 2
        match_settings.weather_effect = WEATHER_RANDOM;
        settings.weather_max = 1;
        choose_pitch_and_weather();
        EXPECT_LE(match_settings.weather_intensity, 1);
        if (match_settings.weather_effect == WEATHER_SNOW) {
            EXPECT_EQ(match_settings.weather_intensity, 0);
        }
        strongest = std::max(strongest, match_settings.weather_intensity);
    }
    EXPECT_EQ(strongest, 1);
}

TEST(MatchClock, MinuteIsHeldAtTheEndOfEachPeriod) {
    reset_match_state();
    match_status.length = 180000;
    match_status.period = t_match_status::FIRST_HALF;
    match_status.timer = 90000;
    EXPECT_EQ(match_minute(), 45);
    match_status.timer = 120000;
    EXPECT_EQ(match_minute(), 45);
    match_status.period = t_match_status::SECOND_HALF;
    EXPECT_EQ(match_minute(), 60);
    match_status.timer = 400000;
    EXPECT_EQ(match_minute(), 90);
    match_status.period = t_match_status::SECOND_EXTRA_TIME;
    EXPECT_EQ(match_minute(), 120);
}

TEST(MatchClock, PeriodLimits) {
    EXPECT_EQ(period_limit(t_match_status::FIRST_HALF, 180000), 90000);
    EXPECT_EQ(period_limit(t_match_status::SECOND_HALF, 180000), 180000);
    EXPECT_EQ(period_limit(t_match_status::FIRST_EXTRA_TIME, 180000), 210000);
    EXPECT_EQ(period_limit(t_match_status::SECOND_EXTRA_TIME, 180000), 240000);
}

TEST(MatchRing, ReplayFrameArithmetic) {
    replay_frame = 3071;
    EXPECT_EQ(next_replay_frame(), 0);
    replay_frame = 10;
    EXPECT_EQ(next_replay_frame(), 11);
    EXPECT_EQ(replay_frames_between(2, 3070), 4);
    EXPECT_EQ(replay_frames_between(3070, 2), 3068);
    EXPECT_EQ(replay_frames_between(5, 5), 0);
}

TEST(MatchHelpers, BetweenTakesBoundsInEitherOrder) {
    EXPECT_TRUE(between(5, 1, 5));
    EXPECT_TRUE(between(5, 5, 1));
    EXPECT_FALSE(between(5.01, 5, 1));
    EXPECT_NEAR(distance(0, 0, 3, 4), 5, 1e-12);
}

TEST(MatchHelpers, OffScreenUsesTheRecordedCamera) {
    screen_w = 1024;
    screen_h = 768;
    replay_frame = 7;
    replay_camera_x[7] = 208;
    replay_camera_y[7] = 100;
    // Screen x = x + 846 - 208.
    EXPECT_FALSE(is_off_screen(-638, -818));
    EXPECT_TRUE(is_off_screen(-639, -300));
    EXPECT_FALSE(is_off_screen(386, -300));
    EXPECT_TRUE(is_off_screen(387, -300));
    EXPECT_TRUE(is_off_screen(0, -819));
    EXPECT_TRUE(is_off_screen(0, 769 - 818));
}

TEST(MatchGoals, OwnGoalWhenTheLastTouchWasTheDefenders) {
    auto home = std::make_shared<t_team>();
    auto away = std::make_shared<t_team>();
    match_teams = {home, away};
    auto striker = home->new_player();
    auto defender = away->new_player();
    reset_match_state();
    match_status.length = 180000;
    match_status.period = 1;
    match_status.timer = 30000;
    ball.owner_last = striker;
    record_goal(0);
    ball.owner_last = defender;
    record_goal(0);
    ASSERT_EQ(goals.size(), 2u);
    EXPECT_EQ(goals[0].typ, 0);
    EXPECT_EQ(goals[0].mnt, 15);
    EXPECT_EQ(striker->goals, 1);
    EXPECT_EQ(goals[1].typ, 1);
    EXPECT_EQ(goals[1].player, defender);
    EXPECT_EQ(defender->goals, 0);
    goals.clear();
    ball = t_ball();
}

TEST(PitchCrowd, LayoutColumnsAndRanks) {
    const auto pieces = parse_crowd_layout("     X     Y  TYPE  RANK\n   241   118     a     9\r\n\n  -12    30     e     0\n");
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].x, 241);
    EXPECT_EQ(pieces[0].y, 118);
    EXPECT_EQ(pieces[0].typ, 0);
    EXPECT_EQ(pieces[0].rank, 9);
    EXPECT_EQ(pieces[1].x, -12);
    EXPECT_EQ(pieces[1].typ, 4);
}

TEST(PitchCrowd, ShippedLayoutHasEveryPieceAndRank) {
    const auto pieces = load_crowd_layout();
    ASSERT_FALSE(pieces.empty());
    for (const t_crowd& c : pieces) {
        EXPECT_GE(c.typ, 0);
        EXPECT_LE(c.typ, 4);
        EXPECT_GE(c.rank, 0);
        EXPECT_LE(c.rank, 10);
    }
}
