// The match phases edge by edge: who kicks off, the clock at each break, time-outs and the ways out.
#include <gtest/gtest.h>

#include <cmath>

#include "match/core/match_helpers.hpp"
#include "match/overlays/hud_message.hpp"
#include "match/phases/phase_common.hpp"
#include "match/phases/phase_full_time.hpp"
#include "match/phases/phase_goal.hpp"
#include "match/phases/phase_half_time.hpp"
#include "match/phases/phase_intro.hpp"
#include "match/phases/phase_kick_off.hpp"
#include "match/core/state_machine.hpp"
#include "phase_test_support.hpp"

using namespace phase_test;

namespace {
const std::vector<t_queued> REPLAY_REQUEST{{ACTION_FADE_OUT, 0}, {ACTION_HOLD_AND_OPEN, 65}, {ACTION_FADE_IN, 0}};
}

TEST(PhaseIntro, LinesUpInTwoRowsAndEnds9600SubStepsAfterTheLastPlayerStopped) {
    set_up();
    t_match_intro intro;
    EXPECT_EQ(match_status.event, t_match_status::PRESENTATION);
    for (int t = 0; t < 2; ++t) {
        int front = 0;
        for (int s = 1; s <= 11; ++s) front += squad_player(t, s).flag == 0 ? 1 : 0;
        EXPECT_EQ(squad_player(t, 1).flag, 0) << "the goalkeeper stands in front";
        EXPECT_EQ(front, 6) << "six in front with the goalkeeper, at most five behind";
        EXPECT_EQ(squad_player(t, 12).status, STATUS_ON_BENCH);
        EXPECT_DOUBLE_EQ(squad_player(t, 12).x, COACH_X);
    }
    ASSERT_GT(run_until_queued(intro, 5000), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(37)});
    EXPECT_GE(intro.dly, INTRO_LINED_UP_SUB_STEPS);
    EXPECT_LT(intro.dly, INTRO_LINED_UP_SUB_STEPS + SUB_STEPS) << "tested once per update";
    EXPECT_GT(intro.dly2, intro.dly) << "the wait starts when the walk is over, not at the start";
    EXPECT_EQ(squad_player(0, 1).fmy, 16) << "goalkeepers pose on their own row";
}

TEST(PhaseKickOff, FormationGivesTheKickingRowsToTheKickingTeam) {
    set_up();
    set_kick_off_positions(1); // team 1 defends the top goal (side -1)
    EXPECT_DOUBLE_EQ(squad_player(1, 11).tx, 10);
    EXPECT_DOUBLE_EQ(squad_player(1, 11).ty, -10);
    EXPECT_DOUBLE_EQ(squad_player(1, 1).ty, -630);
    EXPECT_DOUBLE_EQ(squad_player(0, 2).tx, 240) << "the other rows, mirrored for the bottom goal";
    EXPECT_DOUBLE_EQ(squad_player(0, 2).ty, 370);
    EXPECT_DOUBLE_EQ(squad_player(0, 1).ty, 630);
}

TEST(PhaseKickOff, LineUpEndsOnceEverybodyStandsAndKeepersArePositioning) {
    set_up();
    match_status.kick_off_team = 0;
    t_match_starting_positions lineup;
    EXPECT_EQ(match_status.event, t_match_status::INTRO);
    EXPECT_DOUBLE_EQ(squad_player(0, 5).speed, 120);
    ASSERT_GT(run_until_queued(lineup, 3000), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(38)});
    EXPECT_TRUE(squad_player(0, 1).brain->in_state("state_positioning"));
    EXPECT_TRUE(squad_player(1, 7).brain->in_state("state_stand_run"));
    EXPECT_NEAR(squad_player(0, 11).x, squad_player(0, 11).tx, 1);
}

TEST(PhaseKickOff, WhoeverStandsInGoalKeepsGoalAndTheLineUpEnds) {
    set_up();
    match_status.kick_off_team = 0;
    // A right-back put in goal by the team editor, still running from when he was last steered.
    t_player& stand_in = squad_player(0, 1);
    stand_in.pt = ROLE_RIGHT_BACK;
    stand_in.v = 120;
    stand_in.a = 90;
    t_match_starting_positions lineup;
    EXPECT_TRUE(stand_in.brain->in_state("state_positioning"));
    ASSERT_GT(run_until_queued(lineup, 3000), 0) << "the line-up waited for ever on the stand-in";
    EXPECT_EQ(drain(), std::vector{new_screen(38)});
    EXPECT_NEAR(stand_in.y, 630, 40) << "he went to his goal";
}

TEST(PhaseKickOff, ComputerKicksOffByItselfOneSecondAfterEntryInTheFacedDirection) {
    set_up();
    match_status.kick_off_team = 1;
    set_kick_off_positions(1);
    everybody_on_target();
    t_match_kick_off kick_off;
    EXPECT_EQ(match_status.event, t_match_status::KICK_OFF);
    const t_player_ref kicker = ball.owner;
    ASSERT_TRUE(kicker);
    EXPECT_EQ(team_of(kicker), 1);
    for (int i = 0; i < 40; ++i) {
        advance_virtual_clock(25);
        kick_off.update();
    }
    EXPECT_DOUBLE_EQ(ball.v, 0) << "1000 ms is not yet more than 1000 ms";
    advance_virtual_clock(25);
    kick_off.update();
    EXPECT_GT(ball.v, 200);
    EXPECT_DOUBLE_EQ(ball.a, 45 * kicker->fmx);
    ASSERT_GT(run_until_queued(kick_off, 10), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(39)});
}

TEST(PhaseKickOff, TheWaitIsMatchTimeNotTheClock) {
    set_up();
    match_status.kick_off_team = 1;
    set_kick_off_positions(1);
    everybody_on_target();
    t_match_kick_off kick_off;
    // A slow machine (or a stalled network peer) between two frames must not make the kick come sooner.
    advance_virtual_clock(10000);
    kick_off.update();
    EXPECT_DOUBLE_EQ(ball.v, 0);
    for (int i = 0; i < 39; ++i) kick_off.update();
    EXPECT_DOUBLE_EQ(ball.v, 0) << "forty updates are 1000 ms";
    kick_off.update();
    EXPECT_GT(ball.v, 200);
}

TEST(PhaseKickOff, HumanSideWaitsAndPlayBeginsOnlyBeyondTenUnits) {
    set_up();
    team_at(0).control = CONTROL_PLAYER;
    match_status.kick_off_team = 0;
    t_match_kick_off kick_off;
    EXPECT_EQ(run_until_queued(kick_off, 400), -1) << "no automatic kick for a side played from a device";
    ball.set_position(10, 0, 0);
    kick_off.update();
    EXPECT_TRUE(action_queue->empty());
    ball.set_position(10.01, 0, 0);
    kick_off.update();
    EXPECT_EQ(drain(), std::vector{new_screen(39)});
}

TEST(PhaseGoal, TheTeamThatConcededKicksOffAfterThreeSecondsWithTheBallStill) {
    set_up();
    ball.set_position(30, -300, 0);
    ball.side = {1, -1}; // the top goal: team 1's
    goals.push_back(t_goal{ref(0, 9), 12, 0});
    ball.set_owner(ref(0, 9));
    t_match_goal goal;
    EXPECT_EQ(match_status.kick_off_team, 1);
    EXPECT_FALSE(ball.owner);
    const int n = run_until_queued(goal, 400);
    EXPECT_EQ(n, 121) << "3025 ms is the first match time above 3000";
    EXPECT_EQ(drain(), std::vector{new_screen(37)});
    EXPECT_DOUBLE_EQ(ball.x, 0);
    EXPECT_DOUBLE_EQ(ball.y, 0);
    EXPECT_DOUBLE_EQ(squad_player(0, 9).fmx, goal.cel) << "the scorer faces his run";
}

TEST(PhaseGoal, AutomaticReplayIsAskedForOnceThenTheLineUpFollows) {
    set_up();
    match_settings.auto_replay = 1;
    ball.set_position(0, 300, 0);
    ball.side = {0, 1};
    goals.push_back(t_goal{ref(1, 10), 50, 0});
    t_match_goal goal;
    EXPECT_EQ(match_status.kick_off_team, 0);
    ASSERT_GT(run_until_queued(goal, 400), 0);
    EXPECT_EQ(drain(), REPLAY_REQUEST);
    EXPECT_EQ(goal.replay_done, 1);
    goal.update();
    EXPECT_EQ(drain(), std::vector{new_screen(37)});
}

TEST(PhaseGoal, OwnGoalScorerHangsHisHead) {
    set_up();
    ball.set_position(0, 300, 0);
    ball.side = {0, 1};
    goals.push_back(t_goal{ref(0, 4), 20, 1});
    t_match_goal goal;
    goal.update();
    EXPECT_DOUBLE_EQ(squad_player(0, 4).fmx, 3);
    EXPECT_DOUBLE_EQ(squad_player(0, 4).fmy, 14);
}

TEST(PhaseHalfTime, StopLasts1441SubStepsAndTheClockShowsFortyFive) {
    set_up();
    match_status.timer = 91300;
    t_match_half_time_stop stop;
    EXPECT_EQ(run_until_queued(stop, 500), 121) << "120 updates are 1440 sub-steps";
    EXPECT_EQ(drain(), std::vector{new_screen(54)});
    t_match_half_time_positions walk_off;
    EXPECT_EQ(match_status.timer, 90000) << "45:00 of a three-minute match";
    EXPECT_EQ(match_status.period, t_match_status::UNDEFINED);
    EXPECT_EQ(match_status.event, t_match_status::HALF_TIME);
    EXPECT_DOUBLE_EQ(squad_player(1, 3).tx, 570);
    ASSERT_GT(run_until_queued(walk_off, 3000), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(55)});
}

TEST(PhaseHalfTime, BreakChangesEndsAndTheOtherTeamKicksOffTheSecondHalf) {
    set_up();
    match_status.coin_toss = 0;
    match_status.timer = 90000;
    t_match_half_time_wait wait;
    EXPECT_EQ(team_at(0).side, -1);
    EXPECT_EQ(team_at(1).side, 1);
    EXPECT_EQ(match_status.kick_off_team, 1);
    EXPECT_EQ(run_until_queued(wait, 400), 251) << "more than 3000 sub-steps";
    EXPECT_EQ(drain(), std::vector{new_screen(37)});
    EXPECT_EQ(match_status.period, t_match_status::SECOND_HALF);
    EXPECT_EQ(match_status.timer, 90000) << "the second half starts from 45:00";
}

TEST(PhaseHalfTime, EscapeDuringTheBreakStartsTheSecondHalfInsteadOfLeaving) {
    set_up();
    t_match_half_time_wait wait;
    input_key_event(KEY_ESCAPE, true);
    wait.update();
    release_keys();
    EXPECT_EQ(drain(), std::vector{new_screen(37)});
    EXPECT_EQ(match_status.period, t_match_status::SECOND_HALF);
    EXPECT_FALSE(match_players[0].empty()) << "the match was not released";
}

TEST(PhaseFullTime, NormalTimeEndsOnNinetyMinutesAndThePlayersWalkOff) {
    set_up();
    match_status.period = t_match_status::SECOND_HALF;
    match_status.timer = 180700;
    t_match_full_time_stop stop;
    EXPECT_EQ(match_status.timer, THREE_MINUTES);
    EXPECT_EQ(match_status.event, t_match_status::FULL_TIME);
    EXPECT_EQ(run_until_queued(stop, 500), 121);
    EXPECT_EQ(drain(), std::vector{new_screen(66)});
}

TEST(PhaseFullTime, ExtraTimeTossesAgainAndTheLoserKicksOffTheSecondHalf) {
    set_up();
    match_status.period = t_match_status::SECOND_HALF;
    ball.set_position(200, 100, 0);
    t_match_extra_time_stop extra;
    ASSERT_EQ(run_until_queued(extra, 500), 121);
    EXPECT_EQ(drain(), std::vector{new_screen(37)});
    EXPECT_EQ(match_status.period, t_match_status::FIRST_EXTRA_TIME);
    EXPECT_EQ(match_status.timer, THREE_MINUTES);
    EXPECT_EQ(match_status.kick_off_team, match_status.coin_toss);
    EXPECT_EQ(team_at(0).side, -team_at(1).side);
    EXPECT_DOUBLE_EQ(ball.x, 0);
    const int side0 = team_at(0).side;

    t_match_half_extra_time_stop half;
    ASSERT_EQ(run_until_queued(half, 500), 121);
    EXPECT_EQ(drain(), std::vector{new_screen(37)});
    EXPECT_EQ(team_at(0).side, -side0);
    EXPECT_EQ(match_status.kick_off_team, 1 - match_status.coin_toss);
    EXPECT_EQ(match_status.period, t_match_status::SECOND_EXTRA_TIME);
    EXPECT_EQ(match_status.timer, 210000);

    t_match_full_extra_time_stop end;
    EXPECT_EQ(match_status.timer, 240000);
    EXPECT_EQ(match_status.event, t_match_status::FULL_EXTRA_TIME);
    ASSERT_EQ(run_until_queued(end, 500), 121);
    EXPECT_EQ(drain(), std::vector{new_screen(66)});
}

TEST(PhaseEnd, PlayersWalkOffAndTheEndScreenClosesTheMatchAfter9600SubSteps) {
    set_up();
    t_match_end_positions walk_off;
    EXPECT_EQ(match_status.period, t_match_status::UNDEFINED);
    ASSERT_GT(run_until_queued(walk_off, 3000), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(67)});
    t_match_end end;
    EXPECT_EQ(run_until_queued(end, 1000), 801) << "more than 9600 sub-steps";
    EXPECT_EQ(drain(), std::vector{new_screen(19)}) << "a friendly returns to its after-match screen";
    EXPECT_TRUE(match_players[0].empty()) << "quit_match released the match";
}

TEST(PhaseEnd, HighlightsOnTheirWayAreNotLeftByTheTimeOut) {
    set_up();
    t_match_end end;
    highlights_count = 1;
    input_key_event('H', true);
    end.update();
    release_keys();
    ASSERT_EQ(action_queue->pop()->typ, ACTION_FADE_OUT);
    for (int i = 0; i < 900; ++i) end.update();
    EXPECT_EQ(drain(), (std::vector<t_queued>{new_screen(68), {ACTION_FADE_IN, 0}}));
    EXPECT_FALSE(match_players[0].empty()) << "the match is still there to show";
    highlights_count = 0;
}

TEST(PhaseExits, RReplaysFireTwoOpensTheBenchOnlyWhereOffered) {
    set_up();
    t_match_starting_positions lineup;
    input_key_event('R', true);
    lineup.update();
    release_keys();
    EXPECT_EQ(drain(), REPLAY_REQUEST);

    inputs[1].fire20 = 1; // the shift makes it fire21
    lineup.update();
    EXPECT_EQ(drain(), (std::vector<t_queued>{{ACTION_HOLD_AND_OPEN, 60}}));
    EXPECT_EQ(bench_status.team, 1);

    ball.side = {0, 1};
    goals.push_back(t_goal{ref(1, 10), 50, 0});
    t_match_goal goal;
    inputs[0].fire21 = 1;
    goal.update();
    EXPECT_TRUE(drain().empty()) << "no bench during a goal celebration";
}

TEST(PhaseExits, EscapeLeavesTheMatchFromAPhaseOnlyWhenPressedTwice) {
    set_up();
    function_keys = t_function_key{};
    t_match_half_time_stop stop;
    const auto press_escape = [&] {
        input_key_event(KEY_ESCAPE, true);
        stop.update();
        stop.update(); // held: still one press
        release_keys();
        stop.update();
    };
    press_escape();
    EXPECT_TRUE(drain().empty()) << "one press only asks";
    EXPECT_FALSE(hud_message.empty());
    press_escape();
    EXPECT_EQ(drain(), std::vector{new_screen(19)});
}
