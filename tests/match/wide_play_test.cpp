// Play that reaches the wings: where the computer carries the ball, tackles
// that stick, and the ball leaving over the touchline or a goal line.
#include <gtest/gtest.h>

#include "core/game.hpp"
#include "match/players/control_computer.hpp"
#include "app/headless.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_main.hpp"
#include "match/players/player_possession.hpp"
#include "match/players/player_targets.hpp"
#include "match/set_pieces/set_piece_corner.hpp"
#include "match/set_pieces/set_piece_throw_in.hpp"
#include "phase_test_support.hpp"
#include "platform/maths.hpp"
#include "platform/sound.hpp"

using namespace phase_test;

namespace {
// The stick the computer pushes for team t when its player 7 has the ball at (x, y).
std::pair<int, int> carrier_stick(int t, double x, double y) {
    set_up();
    ball.set_position(x, y, 0);
    squad_player(t, 7).x = x;
    squad_player(t, 7).y = y + 4;
    ball.set_owner(ref(t, 7));
    team_at(t).nearest_1 = ref(t, 7);
    team_at(t).controlled = ref(t, 7);
    computer_controller(t);
    const t_input& in = input_of(t);
    return {in.x0, in.y0};
}

// Nobody of either side near the ball, which rolls on by itself.
void clear_the_area(double x, double y) {
    for (int t = 0; t < 2; ++t)
        for (int s = 1; s <= 11; ++s) {
            squad_player(t, s).x = x > 0 ? -300 : 300;
            squad_player(t, s).y = y > 0 ? -300 + 10 * s : 300 - 10 * s;
        }
}

// In a new match, a loose ball from (x, y) along direction a, last touched by
// slot s of team t, in an empty area.
void roll_loose_ball(double x, double y, double a, int t, int s) {
    set_up();
    clear_the_area(x, y);
    ball.set_position(x, y, 0);
    ball.a = a;
    ball.v = 150;
    ball.owner_last = ref(t, s);
}

// Open play until it stops; the mode it opens.
int open_play_until_stopped() {
    t_match_main play;
    if (run_until_queued(play, 400) < 0) return 0;
    const auto queued = drain();
    return queued.empty() ? 0 : queued.back().mode;
}
} // namespace

TEST(WidePlayComputer, CarrierKeepsOutOfTheMiddleInHisOwnHalfAndCutsInPastHalfway) {
    // Team 0 defends y = +640 and attacks up the screen.
    EXPECT_EQ(carrier_stick(0, -250, 100), std::make_pair(-1, -1)) << "out to the wing he is on";
    EXPECT_EQ(carrier_stick(0, 60, 300), std::make_pair(1, -1));
    EXPECT_EQ(carrier_stick(0, 20, 300), std::make_pair(0, -1)) << "the middle lane goes straight up";
    EXPECT_EQ(carrier_stick(0, 20, 500), std::make_pair(1, -1)) << "but not in front of his own goal";
    EXPECT_EQ(carrier_stick(0, 450, 300), std::make_pair(0, -1)) << "on the wing: straight up the line";
    EXPECT_EQ(carrier_stick(0, 250, -100), std::make_pair(-1, -1)) << "past halfway: in towards the goal";
    EXPECT_EQ(carrier_stick(0, 30, -100), std::make_pair(0, -1));
    // Team 1 defends y = -640: the same, mirrored.
    EXPECT_EQ(carrier_stick(1, 200, -300), std::make_pair(1, 1));
    EXPECT_EQ(carrier_stick(1, -20, -550), std::make_pair(-1, 1));
    EXPECT_EQ(carrier_stick(1, 200, 300), std::make_pair(-1, 1));
}

TEST(WidePlayComputer, OnHisWayOutToTheWingHePassesInsteadOfChargingALongBall) {
    for (const bool out_wide : {true, false}) {
        // Team 0 in its own half: at x 100 he heads out (stick 1, -1), at x 20 straight up (0, -1).
        const double x = out_wide ? 100 : 20;
        const auto [sx, sy] = carrier_stick(0, x, 300);
        t_player& carrier = squad_player(0, 7);
        carrier.a = atan2_deg(sy, sx);
        squad_player(0, 9).x = carrier.x + 120 * sx; // a team-mate right ahead of him
        squad_player(0, 9).y = carrier.y + 120 * sy;
        t_input& in = inputs[0];
        computer_controller(0);
        EXPECT_EQ(in.fire10, 1) << out_wide << ": a mate ahead starts the kick";
        in.fired = 1;
        computer_controller(0);
        EXPECT_EQ(in.fire10, out_wide ? 0 : 1) << out_wide << ": released at once as a pass, or held on";
    }
}

TEST(WidePlayTackle, BeatenPlayerCannotTakeTheBallStraightBack) {
    set_up();
    match_status.timer = 10000;
    ball.set_position(0, 0, 0);
    // Head on: team 0 dribbles towards +x, team 1 comes the other way, nearer the ball.
    squad_player(0, 7).x = -4;
    squad_player(0, 7).fmx = 0;
    squad_player(1, 7).x = 3;
    squad_player(1, 7).fmx = 4;
    squad_player(0, 7).y = squad_player(1, 7).y = 0;
    ball.set_owner(ref(0, 7));
    for (int t = 0; t < 2; ++t) {
        team_at(t).nearest_1 = ref(t, 7);
        team_at(t).controlled = ref(t, 7);
    }
    update_possession(0);
    update_possession(1);
    ASSERT_EQ(ball.owner, ref(1, 7)) << "the tackle";
    ASSERT_LT(distance(squad_player(0, 7).x, 0, ball.x, ball.y), distance(squad_player(1, 7).x, 0, ball.x, ball.y))
        << "the ball now lies nearer the beaten player";
    for (int step = 0; step < 12; ++step) {
        update_possession(0);
        update_possession(1);
        EXPECT_EQ(ball.owner, ref(1, 7)) << "sub-step " << step << ": no taking it back and forth";
    }
    match_status.timer += TACKLE_RECOVERY_MS - 25;
    update_possession(0);
    EXPECT_EQ(ball.owner, ref(1, 7)) << "still recovering";
    match_status.timer += 25;
    update_possession(0);
    EXPECT_EQ(ball.owner, ref(0, 7)) << "back on his feet he may tackle again";
    EXPECT_EQ(ball.tackled, &squad_player(1, 7));
}

TEST(WidePlayOut, BallPlayedOverTheTouchlineIsTheOtherSidesThrowIn) {
    roll_loose_ball(505, 100, 10, 0, 8);
    EXPECT_EQ(open_play_until_stopped(), 50);
    t_match_throw_in_stop stop;
    EXPECT_EQ(match_status.event, t_match_status::THROW_IN);
    t_match_throw_in_positions positions;
    ASSERT_TRUE(ball.owner);
    EXPECT_EQ(team_of(ball.owner), 1) << "team 0 played it out";
}

TEST(WidePlayOut, DefenderLastOverHisOwnGoalLineGivesACornerToTheAttackers) {
    // Team 0's own goal line is y = +640.
    for (const bool keeper_touched : {false, true}) {
        roll_loose_ball(300, 630, 80, 0, keeper_touched ? 1 : 4);
        EXPECT_EQ(open_play_until_stopped(), 41) << keeper_touched;
        EXPECT_EQ(match_status.event, t_match_status::CORNER);
        t_match_corner_stop stop;
        EXPECT_EQ(match_stats[1].corn, 1) << "counted for the attackers";
        t_match_corner_positions positions;
        ASSERT_TRUE(ball.owner);
        EXPECT_EQ(team_of(ball.owner), 1);
    }
    roll_loose_ball(300, 630, 80, 1, 10);
    EXPECT_EQ(open_play_until_stopped(), 44) << "an attacker's touch: goal kick";
}

TEST(WidePlayMatches, ComputerMatchesHaveThrowInsAndGoalKicks) {
    // Before the computer used the wings, 200 matches had no throw-in at all.
    set_headless_graphics(true);
    t_game_options o;
    o.headless = o.no_sound = o.unpaced = o.seeded = true;
    const t_settings saved = settings;
    action_queue = std::make_unique<t_game_action_queue>();
    auto app = std::make_unique<t_game>(o);
    t_match_request r;
    r.home = "eng:1";
    r.away = "esp:1";
    r.length = 0;
    int throw_ins = 0;
    int goal_kicks = 0;
    for (int64_t seed = 1000; seed < 1004; ++seed) {
        t_headless_result m = play_headless_match(*app, r, seed);
        EXPECT_TRUE(m.reached_end) << seed;
        throw_ins += m.phases_opened[50];
        goal_kicks += m.phases_opened[44];
    }
    app.reset();
    settings = saved;
    set_sound_disabled(false);
    set_headless_graphics(false);
    set_unpaced(false);
    set_timers_unpaced(false);
    use_virtual_clock(false);
    EXPECT_GE(throw_ins, 8) << "four three-minute matches";
    EXPECT_GE(goal_kicks, 2);
}

TEST(WidePlayFrame, BallRestingOnTheBarIsOneShot) {
    set_up();
    clear_the_area(0, 600);
    // Dropped onto the bar of team 0's goal (y = +640), it stays up there,
    // knocked back up by the bar every few sub-steps.
    ball.set_position(0, 640, 38.5);
    ball.owner_last = ref(1, 10);
    t_match_main play;
    for (int update = 0; update < 40 && action_queue->empty(); ++update) play.update();
    ASSERT_GT(ball.z, 33) << "a second later it still lies on the bar";
    EXPECT_EQ(match_stats[1].shot, 1);
}

TEST(WidePlayChase, NearestPlayerGoesToABallAtRest) {
    set_up();
    // At a keeper's feet, its last course pointing across the nearest opponent's line.
    ball.set_position(126, 582, 0);
    ball.a = 0;
    ball.set_owner(ref(0, 1));
    squad_player(1, 9).x = 60;
    squad_player(1, 9).y = 500;
    team_at(1).nearest_1 = ref(1, 9);
    set_chase_targets();
    EXPECT_DOUBLE_EQ(squad_player(1, 9).tx, 126);
    EXPECT_DOUBLE_EQ(squad_player(1, 9).ty, 582);
    // A moving ball is still met on its path.
    ball.v = 100;
    set_chase_targets();
    EXPECT_DOUBLE_EQ(squad_player(1, 9).tx, 60);
    EXPECT_DOUBLE_EQ(squad_player(1, 9).ty, 582);
}
