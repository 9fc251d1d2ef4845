// The scripted newcomer: his stick and fire from fixed positions, his restarts, and whole matches against him.
#include <gtest/gtest.h>

#include "app/headless.hpp"
#include "app/match_command_line.hpp"
#include "core/game.hpp"
#include "football/match_settings.hpp"
#include "match/players/control_kick.hpp"
#include "match/players/control_newcomer.hpp"
#include "platform/maths.hpp"
#include "player_test_support.hpp"
#include "../core/game_test_support.hpp"

using namespace player_test;

namespace {

// Team 0 (the newcomer) attacks upwards, towards the goal at y = -640.
class Newcomer : public ::testing::Test {
protected:
    void SetUp() override {
        build_match();
        team_at(0).control = CONTROL_PLAYER;
        in().dev = NEWCOMER_DEVICE;
        match_settings.gameplay = t_gameplay::enhanced;
    }
    void TearDown() override {
        match_settings.gameplay = t_gameplay::classic;
        inputs = {};
    }
    static t_input& in() { return inputs[0]; }
    // One update as open play runs it: the controller, then the kick.
    static void update() {
        input_shift(0);
        read_player_controller(0, t_play::on);
        in().angle = static_cast<int32_t>(atan2_deg(in().y1, in().x1));
        update_kick(0);
    }
};

} // namespace

TEST_F(Newcomer, WithTheBallHeRunsStraightAtTheMiddleOfTheirGoal) {
    give_ball(0, 10, 0, 100);
    newcomer_controller(0);
    EXPECT_EQ(in().x0, 0);
    EXPECT_EQ(in().y0, -1);
    EXPECT_EQ(in().fire10, 0) << "far from goal he only runs";

    give_ball(0, 10, 300, -300);
    newcomer_controller(0);
    EXPECT_EQ(in().x0, -1) << "out on the right he cuts in";
    EXPECT_EQ(in().y0, -1);

    // The other way up the same rule holds.
    give_ball(1, 10, -300, 300);
    newcomer_controller(1);
    EXPECT_EQ(inputs[1].x0, 1);
    EXPECT_EQ(inputs[1].y0, 1);
}

TEST_F(Newcomer, NearTheirGoalHeShootsDiagonallyWithAShortCharge) {
    give_ball(0, 10, 20, -540); // 100 from their goal line, their keeper on his line at x = 0
    bool pressed = false;
    int held = 0;
    for (int k = 0; k < 20 && in().fired != -1; ++k) {
        update();
        if (in().fire10 != 0) pressed = true;
        if (in().fired == 1) ++held;
        if (k > 0) {
            EXPECT_TRUE(in().x1 != 0 || in().y1 != 0) << "the stick is never let go";
        }
    }
    EXPECT_TRUE(pressed);
    ASSERT_EQ(in().fired, -1) << "fire 1 was let go and the kick struck";
    EXPECT_GE(held, EARLY_WINDOW_FIRST) << "a shot, not a pass";
    EXPECT_LE(held, EARLY_WINDOW_LAST + 1) << "let go in the early window, not held to the end";
    EXPECT_EQ(in().fire_angle, -135) << "up and left: the far corner from right of the middle";
    EXPECT_GE(ball.v, SHOT_SPEED);
    EXPECT_EQ(in().fire10, 0) << "let go";

    give_ball(0, 10, -20, -540);
    input_reset(0);
    in().fired = 0;
    newcomer_controller(0);
    EXPECT_EQ(in().x0, 1) << "left of the middle, the far corner is to the right";
    EXPECT_EQ(in().fire10, 1);

    give_ball(0, 10, 0, -540);
    squad_player(1, 1).x = 10;
    input_reset(0);
    newcomer_controller(0);
    EXPECT_EQ(in().x0, -1) << "square in front of goal, the side the keeper leaves open";
}

TEST_F(Newcomer, WithoutTheBallHeRunsAtItAndSlidesAtACarrierNowAndThen) {
    give_ball(1, 10, 0, 0);
    team_at(0).controlled = ref(0, 7);
    squad_player(0, 7).x = 100;
    squad_player(0, 7).y = 100;
    match_status.timer = 1000 * 30 + 200; // out of the slide's moment of the second
    newcomer_controller(0);
    EXPECT_EQ(in().x0, -1);
    EXPECT_EQ(in().y0, -1);
    EXPECT_EQ(in().fire10, 0);
    EXPECT_EQ(in().fire20, 0) << "the carrier is far";

    squad_player(0, 7).x = 8;
    squad_player(0, 7).y = 0;
    newcomer_controller(0);
    EXPECT_EQ(in().x0, -1);
    EXPECT_EQ(in().y0, 0);
    EXPECT_EQ(in().fire20, 0) << "within reach, but not at the slide's moment of the second";

    match_status.timer = 1000 * 31;
    newcomer_controller(0);
    EXPECT_EQ(in().fire20, 1) << "within reach at the start of a second: a slide";
    input_shift(0);
    newcomer_controller(0);
    EXPECT_EQ(in().fire20, 0) << "a tap, not a press held";

    match_settings.gameplay = t_gameplay::classic;
    input_reset(0);
    newcomer_controller(0);
    EXPECT_EQ(in().fire20, 0) << "fire 2 slides only under ENHANCED";
}

TEST_F(Newcomer, HeTakesHisSideRestartsAtOnceAndLeavesTheirsAlone) {
    for (const int32_t event : {t_match_status::THROW_IN, t_match_status::CORNER, t_match_status::GOAL_KICK,
                                t_match_status::FREE_KICK, t_match_status::KICK_OFF}) {
        match_status.event = event;
        give_ball(0, 10, -560, -200);
        input_reset(0);
        int presses = 0;
        for (int k = 0; k < 4; ++k) {
            input_shift(0);
            newcomer_controller(0);
            presses += in().fire10;
            EXPECT_EQ(in().x0, 1) << "towards their goal, in off the touchline";
            EXPECT_EQ(in().y0, -1);
        }
        EXPECT_EQ(presses, 2) << "fire 1 tapped: pressed, let go, pressed again";

        give_ball(1, 10, -560, -200);
        input_reset(0);
        newcomer_controller(0);
        EXPECT_EQ(in().x0 | in().y0 | in().fire10 | in().fire20, 0) << "their restart: he waits";
    }
    match_status.event = t_match_status::IN_GAME;
    give_ball(0, 1, 0, 600); // his keeper with the ball: a keeper's kick
    newcomer_controller(0);
    EXPECT_EQ(in().y0, -1);
    EXPECT_EQ(in().fire10, 1);
}

TEST_F(Newcomer, AStopOfPlayForgetsHisLastSlideSoTheBenchStaysShut) {
    give_ball(1, 10, 0, 0);
    in().fire20 = 1; // slid in the last update of open play
    match_status.event = t_match_status::THROW_IN;
    input_shift(0);
    read_player_controller(0, t_play::stopped);
    EXPECT_EQ(in().fire21, 0);
    EXPECT_EQ(in().fire20, 0);

    // A side on a key set reads its keys, not the newcomer.
    in().dev = 1;
    give_ball(0, 10, 0, 100);
    input_shift(0);
    read_player_controller(0, t_play::on);
    EXPECT_EQ(in().y0, 0);
}

TEST(NewcomerOption, NamesASide) {
    EXPECT_EQ(parse_side("home"), 0);
    EXPECT_EQ(parse_side("AWAY"), 1);
    for (const char* bad : {"", "0", "both", "homeside"}) EXPECT_FALSE(parse_side(bad)) << bad;
}

TEST(NewcomerMatch, EndsAndIsTheSameMatchForTheSameSeed) {
    game_test::t_headless_game game_object(game_test::headless_options());
    t_game& app = *game_object.app;
    t_match_request request;
    request.home = "uef:1";
    request.away = "uef:2";
    request.length = 0;
    request.gameplay = t_gameplay::enhanced;
    const t_headless_result computer = play_headless_match(app, request, 7);
    request.newcomer = 1;
    const t_headless_result first = play_headless_match(app, request, 7);
    const t_headless_result again = play_headless_match(app, request, 7);
    EXPECT_TRUE(first.reached_end);
    EXPECT_EQ(first.newcomer, 1);
    EXPECT_EQ(digest_lines(first), digest_lines(again));
    EXPECT_NE(digest_lines(first), digest_lines(computer)) << "the newcomer played nothing";
    EXPECT_GT(first.stats[1].shots + first.stats[1].passes, 0) << "the newcomer never kicked the ball";
    request.newcomer.reset();
    EXPECT_EQ(digest_lines(play_headless_match(app, request, 7)), digest_lines(computer))
        << "the newcomer's match left something behind";
}
