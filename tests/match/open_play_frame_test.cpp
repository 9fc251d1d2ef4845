// One update of open play on a built match: what ends it (ball out, end of a period, a cup's result and extra
// time), whom each side controls and how the carrier takes the ball along.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "football/competition.hpp"
#include "football/cup.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_main.hpp"
#include "match/core/match_start.hpp"
#include "phase_test_support.hpp"
#include "ui/menu.hpp"

using namespace phase_test;

namespace {
constexpr int THROW_IN_STOP = 50;
constexpr int CORNER_STOP = 41;
constexpr int GOAL_KICK_STOP = 44;
constexpr int HALF_TIME_STOP = 53;
constexpr int FULL_TIME_STOP = 56;
constexpr int EXTRA_TIME_STOP = 57;
constexpr int HALF_EXTRA_TIME_STOP = 58;
constexpr int FULL_EXTRA_TIME_STOP = 59;
constexpr int MENU_FRIENDLY = 1;
constexpr int MENU_COMPETITION = 2;
constexpr int UP = 1, DOWN = 2, LEFT = 3, RIGHT = 4, FIRE = 5, FIRE2 = 6;

// A loose ball at (x, y) on the grass rolling at v in direction a, its zone up to date.
void roll_ball(double x, double y, double v, double a) {
    ball.owner = nullptr;
    ball.set_position(x, y, 0);
    ball.v = v;
    ball.a = a;
    ball.update_zone();
}

// Everything the one update queued.
std::vector<t_queued> one_update() {
    t_match_main play;
    play.update();
    return drain();
}

const std::vector<t_queued> NOTHING;

class OpenPlayFrame : public testing::Test {
protected:
    void SetUp() override {
        saved_menu_status_ = menu.status;
        saved_settings_ = settings;
        set_up();
        match_start.endless = false;
        menu.status = MENU_FRIENDLY;
    }
    void TearDown() override {
        competition.reset();
        menu.status = saved_menu_status_;
        release_keys();
        settings = saved_settings_;
    }

    // The clock `ms` before the end of the period, the ball rolling from (x, y) in direction a.
    void near_the_end(int32_t period, int32_t ms, double x, double y, double a) {
        match_status.period = period;
        match_status.timer = period_limit(period, match_status.length) - ms;
        roll_ball(x, y, 100, a);
    }

    // A one-round cup between the two teams of the match, with extra time for a draw; the match is its tie.
    t_cup& cup_tie() {
        auto cup = std::make_shared<t_cup>();
        cup->set_rounds(1);
        cup->round[0].legs = 1;
        cup->round[0].extra_time = 1;
        cup->initialize({match_teams[0], match_teams[1]});
        competition = cup;
        menu.status = MENU_COMPETITION;
        return *cup;
    }

    void score(int home, int away) {
        match_stats[0].goal = home;
        match_stats[1].goal = away;
    }

private:
    int32_t saved_menu_status_ = 0;
    t_settings saved_settings_;
};
} // namespace

// Team 0 defends the bottom goal (y = +640), team 1 the top one.
TEST_F(OpenPlayFrame, OverTheGoalLineTheLastTouchDecidesCornerOrGoalKick) {
    const struct {
        double y, a;
        int toucher_team, toucher_slot;
        int mode;
        int32_t event;
    } cases[] = {
        {643, 90, 0, 6, CORNER_STOP, t_match_status::CORNER},         // a defender
        {643, 90, 0, 1, CORNER_STOP, t_match_status::CORNER},         // the defenders' keeper
        {643, 90, 1, 9, GOAL_KICK_STOP, t_match_status::GOAL_KICK},   // an attacker
        {643, 90, -1, 0, GOAL_KICK_STOP, t_match_status::GOAL_KICK},  // nobody yet
        {-643, 270, 1, 1, CORNER_STOP, t_match_status::CORNER},       // the top keeper
        {-643, 270, 0, 10, GOAL_KICK_STOP, t_match_status::GOAL_KICK}, // an attacker at the top
    };
    for (const auto& c : cases) {
        set_up();
        roll_ball(200, c.y, 480, c.a); // one unit a sub-step: over the line (644) in the first
        ball.owner_last = c.toucher_team < 0 ? nullptr : ref(c.toucher_team, c.toucher_slot);
        EXPECT_EQ(one_update(), std::vector{new_screen(c.mode)})
            << "y " << c.y << ", touched by " << c.toucher_team << "/" << c.toucher_slot;
        EXPECT_EQ(match_status.event, c.event) << "y " << c.y;
    }
}

TEST_F(OpenPlayFrame, TheBallIsOutOnlyBeyond514) {
    for (const double x : {514.0, -514.0}) {
        roll_ball(x, 0, 0, 0);
        EXPECT_EQ(one_update(), NOTHING) << x << " is on the line";
    }
    for (const double x : {514.01, -514.01}) {
        set_up();
        roll_ball(x, 0, 0, 0);
        EXPECT_EQ(one_update(), std::vector{new_screen(THROW_IN_STOP)}) << x;
    }
}

TEST_F(OpenPlayFrame, TheWhistleWaitsForTheBallToLeaveTheDangerZoneTowardsHalfway) {
    // Rolling towards halfway (down the screen in the top half, up it in the bottom half) outside the danger zone.
    near_the_end(t_match_status::FIRST_HALF, 0, 100, -300, 90);
    EXPECT_EQ(one_update(), std::vector{new_screen(HALF_TIME_STOP)});

    set_up();
    near_the_end(t_match_status::FIRST_HALF, 25, 100, -300, 90);
    EXPECT_EQ(one_update(), NOTHING) << "the clock reaches the end but is not past it";

    set_up();
    near_the_end(t_match_status::FIRST_HALF, 0, 150, -560, 90);
    EXPECT_EQ(one_update(), NOTHING) << "in front of the top goal (zone 1, -3)";
    set_up();
    near_the_end(t_match_status::FIRST_HALF, 0, -150, 560, 270);
    EXPECT_EQ(one_update(), NOTHING) << "in front of the bottom goal (zone -1, 3)";
    set_up();
    near_the_end(t_match_status::FIRST_HALF, 0, 420, -560, 90);
    EXPECT_EQ(one_update(), std::vector{new_screen(HALF_TIME_STOP)}) << "zone 2, -3 is wide of the goal";

    set_up();
    near_the_end(t_match_status::FIRST_HALF, 0, 100, 300, 90);
    EXPECT_EQ(one_update(), NOTHING) << "rolling away from halfway";
    set_up();
    near_the_end(t_match_status::FIRST_HALF, 0, 100, 300, 0);
    ball.v = 0;
    EXPECT_EQ(one_update(), NOTHING) << "a ball standing still";
    set_up();
    near_the_end(t_match_status::FIRST_HALF, 0, 100, 300, 270);
    EXPECT_EQ(one_update(), std::vector{new_screen(HALF_TIME_STOP)});
}

TEST_F(OpenPlayFrame, EachPeriodEndsInItsOwnPhaseAndAFriendlyHasNoExtraTime) {
    const std::pair<int32_t, int> ends[] = {{t_match_status::FIRST_HALF, HALF_TIME_STOP},
                                            {t_match_status::SECOND_HALF, FULL_TIME_STOP},
                                            {t_match_status::FIRST_EXTRA_TIME, HALF_EXTRA_TIME_STOP},
                                            {t_match_status::SECOND_EXTRA_TIME, FULL_EXTRA_TIME_STOP}};
    for (const auto& [period, mode] : ends) {
        set_up();
        score(1, 1);
        near_the_end(period, 0, 100, 300, 270);
        EXPECT_EQ(one_update(), std::vector{new_screen(mode)}) << "period " << period;
    }
}

TEST_F(OpenPlayFrame, ACupTakesTheResultAfterNinetyMinutesAndAfterExtraTime) {
    {
        t_cup& cup = cup_tie();
        score(1, 1);
        near_the_end(t_match_status::SECOND_HALF, 0, 100, 300, 270);
        EXPECT_EQ(one_update(), std::vector{new_screen(EXTRA_TIME_STOP)}) << "a draw in a cup goes to extra time";
        const t_match& tie = cup.get_match();
        EXPECT_EQ(tie.result_after90, (t_score{1, 1}));
        EXPECT_EQ(tie.includes_extra_time, 0);

        set_up();
        score(2, 1);
        near_the_end(t_match_status::SECOND_EXTRA_TIME, 0, 100, 300, 270);
        EXPECT_EQ(one_update(), std::vector{new_screen(FULL_EXTRA_TIME_STOP)});
        EXPECT_EQ(tie.result, (t_score{2, 1}));
        EXPECT_EQ(tie.result_after90, (t_score{1, 1})) << "the score after ninety minutes stays";
        EXPECT_EQ(tie.includes_extra_time, 1);
        EXPECT_EQ(cup.qualified_teams.size(), 1u);
    }
    set_up();
    t_cup& decided = cup_tie();
    score(0, 3);
    near_the_end(t_match_status::SECOND_HALF, 0, 100, 300, 270);
    EXPECT_EQ(one_update(), std::vector{new_screen(FULL_TIME_STOP)}) << "a winner after ninety minutes";
    EXPECT_EQ(decided.get_match().result, (t_score{0, 3}));
    EXPECT_EQ(decided.get_match().includes_extra_time, 0);
}

TEST_F(OpenPlayFrame, ControlPassesToTheNearestWhenTheControlledPlayerRunsOffTheScreen) {
    // The camera shows the middle of the pitch: world x -508 ... 516, y -384 ... 384.
    const auto cam_x = static_cast<int32_t>(PITCH_ORIGIN_X - 512);
    const auto cam_y = static_cast<int32_t>(PITCH_ORIGIN_Y - 384);
    const auto centre_camera = [&] {
        std::fill(replay_camera_x.begin(), replay_camera_x.end(), cam_x);
        std::fill(replay_camera_y.begin(), replay_camera_y.end(), cam_y);
        camera.x = cam_x;
        camera.y = cam_y;
    };
    for (const bool off_screen : {true, false}) {
        set_up();
        centre_camera();
        roll_ball(0, -150, 0, 0);
        t_player& runner = squad_player(0, 11);
        runner.x = runner.tx = 0;
        runner.y = runner.ty = off_screen ? 500 : 300;
        team_at(0).controlled = ref(0, 11);
        EXPECT_EQ(one_update(), NOTHING);
        if (off_screen) {
            EXPECT_NE(team_at(0).controlled, ref(0, 11));
            EXPECT_EQ(team_at(0).controlled, team_at(0).nearest_1);
        } else {
            EXPECT_EQ(team_at(0).controlled, ref(0, 11)) << "on the screen he keeps control";
        }
    }
}

TEST_F(OpenPlayFrame, TheCarrierPushesTheBallAlongWhileTheStickIsPushed) {
    // Team 0 from key set 0; the carrier runs right at 100 with the ball rolling down at 50.
    const auto carry = [](double gap, bool push) {
        set_up();
        team_at(0).control = CONTROL_PLAYER;
        settings.key[0] = t_key_set{UP, DOWN, LEFT, RIGHT, FIRE, FIRE2};
        t_input& in = inputs[0];
        in.dev = 1;
        in.x0 = in.x1 = push ? 1 : 0;
        input_key_event(RIGHT, push);
        player_test::give_ball(0, 8, -450, 350);
        t_player& carrier = squad_player(0, 8);
        carrier.v = 100;
        carrier.a = 0;
        ball.x = carrier.x + gap;
        ball.v = 50;
        ball.a = 90;
        EXPECT_EQ(one_update(), NOTHING);
        release_keys();
    };
    // Twelve sub-steps of rolling friction take about 2.3 from a ball at 100.
    carry(5, true);
    EXPECT_DOUBLE_EQ(ball.a, 0) << "close at the feet the stick steers the ball";
    EXPECT_GT(ball.v, 105) << "and it gets a push of 10 over the carrier's speed";
    EXPECT_LT(ball.v, 110);
    carry(7.5, true);
    EXPECT_DOUBLE_EQ(ball.a, 0) << "within 8 it is still steered";
    EXPECT_GT(ball.v, 95) << "but it only keeps the carrier's speed";
    EXPECT_LT(ball.v, 100);
    carry(9, true);
    EXPECT_DOUBLE_EQ(ball.a, 90) << "beyond 8 it keeps its way";
    EXPECT_GT(ball.v, 95);
    EXPECT_LT(ball.v, 100);
    carry(5, false);
    EXPECT_DOUBLE_EQ(ball.a, 90) << "without the stick the ball rolls on by itself";
    EXPECT_LT(ball.v, 50);
}
