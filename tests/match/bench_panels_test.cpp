// The bench panels as a player works through them: substitutions, position swaps, tactics.
#include <gtest/gtest.h>

#include "core/screen_modes.hpp"
#include "football/tactics.hpp"
#include "match/bench/bench_enter.hpp"
#include "match/bench/bench_formation.hpp"
#include "match/bench/bench_lineup.hpp"
#include "match/bench/bench_substitutions.hpp"
#include "match/bench/bench_tactics.hpp"
#include "match/core/state_machine.hpp"
#include "bench_test_support.hpp"

using namespace bench_test;

namespace {
const std::vector<t_queued> TO_FORMATION{new_screen(MODE_MATCH_BENCH_FORMATION)};
const std::vector<t_queued> TO_SUBSTITUTIONS{new_screen(MODE_MATCH_BENCH_SUBSTITUTIONS)};
const std::vector<t_queued> TO_TACTICS{new_screen(MODE_MATCH_BENCH_TACTICS)};
const std::vector<t_queued> TO_EXIT{new_screen(MODE_MATCH_BENCH_EXIT)};

// Substitute on bench row `row` chosen in the substitutions panel; the formation panel opened.
void choose_substitute(int row) {
    t_match_bench_substitutions subs;
    move_cursor(subs, row);
    ASSERT_EQ(bench_status.selected_pos, row);
    tap(subs, KEY_FIRE_1);
    ASSERT_EQ(drain(), TO_FORMATION);
}

void give_roles(int t, std::initializer_list<std::pair<int, int>> slot_roles) {
    for (const auto& [s, role] : slot_roles) squad_player(t, s).pt = role;
}
} // namespace

TEST(BenchSubstitutions, NoSubstitutionLeftKeepsTheCursorOnTheTitleAndFireOpensTheFormation) {
    set_up_bench(2);
    team_at(0).subs_count = 2;
    t_match_bench_substitutions subs;
    move_cursor(subs, 2);
    EXPECT_EQ(bench_status.selected_pos, 0);
    EXPECT_DOUBLE_EQ(squad_player(0, 13).x, BENCH_SEATED_X) << "nobody stands up";
    tap(subs, KEY_FIRE_1);
    EXPECT_EQ(drain(), TO_FORMATION);
    EXPECT_EQ(bench_status.for_subs, 0);
}

TEST(BenchSubstitutions, CursorWrapsAndStandsTheChosenPlayerUpWhileTheCoachPoints) {
    set_up_bench();
    t_match_bench_substitutions subs;
    EXPECT_EQ(subs.bench_size, 5);
    move_cursor(subs, -1);
    EXPECT_EQ(bench_status.selected_pos, 5) << "up from the title wraps to the last bench row";
    EXPECT_DOUBLE_EQ(squad_player(0, 16).x, BENCH_STANDING_X);
    EXPECT_EQ(coaches[0].status, COACH_POINTING);
    move_cursor(subs, 2);
    EXPECT_EQ(bench_status.selected_pos, 1);
    EXPECT_DOUBLE_EQ(squad_player(0, 16).x, BENCH_SEATED_X) << "the last one sat down again";
    EXPECT_DOUBLE_EQ(squad_player(0, 16).tx, BENCH_SEATED_X);
    EXPECT_DOUBLE_EQ(squad_player(0, 12).x, BENCH_STANDING_X);
    EXPECT_TRUE(drain().empty());
}

TEST(BenchSubstitutions, ChosenSubstituteWalksToTheTouchlineAndTheSuggestedPlayerIsUnderTheCursor) {
    set_up_bench();
    give_roles(0, {{2, ROLE_RIGHT_BACK}, {3, ROLE_LEFT_BACK}, {7, ROLE_ATTACK}, {14, ROLE_LEFT_BACK}});
    choose_substitute(3);
    const t_player& sub = squad_player(0, 14);
    EXPECT_EQ(bench_status.for_subs, 14);
    EXPECT_EQ(sub.status, STATUS_ON_PITCH);
    EXPECT_DOUBLE_EQ(sub.tx, -530);
    EXPECT_DOUBLE_EQ(sub.ty, -12 * bench_side) << "team 0 waits on its own side of the halfway line";
    EXPECT_EQ(bench_status.selected_pos, 3) << "the left back is suggested for the left back";
    EXPECT_EQ(team_at(0).subs_count, 0) << "nothing counted until he comes on";
}

TEST(BenchSubstitutions, SideStepOrEscapeLeavesTheBench) {
    set_up_bench();
    {
        t_match_bench_substitutions subs;
        tap(subs, KEY_RIGHT);
        EXPECT_EQ(drain(), TO_EXIT);
    }
    t_match_bench_substitutions subs;
    input_key_event(KEY_ESCAPE, true);
    step(subs);
    input_key_event(KEY_ESCAPE, false);
    EXPECT_EQ(drain(), TO_EXIT);
}

TEST(BenchFormation, LeavingWithoutAPositionSendsTheSubstituteBackAndCountsNothing) {
    set_up_bench();
    choose_substitute(2);
    {
        t_match_bench_formation formation;
        tap(formation, KEY_LEFT);
        EXPECT_EQ(drain(), TO_SUBSTITUTIONS);
    }
    const t_player& sub = squad_player(0, 13);
    EXPECT_EQ(bench_status.for_subs, 0);
    EXPECT_EQ(bench_status.selected_pos, 2) << "the cursor comes back on his bench row";
    EXPECT_DOUBLE_EQ(sub.tx, -530);
    EXPECT_DOUBLE_EQ(sub.ty, bench_seat_y(0, 2));
    EXPECT_EQ(team_at(0).subs_count, 0);
    EXPECT_EQ(match_players[0][13].get(), &sub) << "nobody changed places";

    // The title row also sends him back, on the way to the tactics.
    choose_substitute(1);
    t_match_bench_formation formation;
    move_cursor(formation, -bench_status.selected_pos);
    tap(formation, KEY_FIRE_1);
    EXPECT_EQ(drain(), TO_TACTICS);
    EXPECT_EQ(bench_status.for_subs, 0);
    EXPECT_DOUBLE_EQ(squad_player(0, 12).ty, bench_seat_y(0, 1));
    EXPECT_EQ(team_at(0).subs_count, 0);
}

TEST(BenchFormation, MarkingTwiceUnmarksAndTwoPositionsExchangePlacesAndTargets) {
    set_up_bench();
    t_match_bench_formation formation;
    move_cursor(formation, 4);
    tap(formation, KEY_FIRE_1);
    EXPECT_EQ(formation.for_swap, 4);
    tap(formation, KEY_FIRE_1);
    EXPECT_EQ(formation.for_swap, 0) << "fire on the marked row unmarks it";

    const t_player_ref four = ref(0, 4);
    const t_player_ref nine = ref(0, 9);
    squad_player(0, 4).tx = 10.7;
    squad_player(0, 4).ty = -20.2;
    squad_player(0, 9).tx = 300;
    squad_player(0, 9).ty = 40;
    tap(formation, KEY_FIRE_1);
    move_cursor(formation, 5);
    tap(formation, KEY_FIRE_1);
    EXPECT_EQ(formation.for_swap, 0);
    EXPECT_EQ(ref(0, 4), nine);
    EXPECT_EQ(ref(0, 9), four);
    EXPECT_DOUBLE_EQ(four->tx, 300);
    EXPECT_DOUBLE_EQ(nine->tx, 10) << "targets taken over truncated";
    EXPECT_DOUBLE_EQ(nine->ty, -20);
    EXPECT_EQ(coaches[0].status, COACH_WAVING);
    EXPECT_EQ(coaches[0].timer, WAVING_SUB_STEPS - SUB_STEPS) << "the wave runs down in the sub-steps after it";
    EXPECT_EQ(team_at(0).players[3], nine) << "the squad list follows, so the panel shows the new line-up";
    EXPECT_EQ(team_at(0).player_at_position(8), four);
    EXPECT_TRUE(drain().empty()) << "the panel stays open";
}

TEST(BenchFormation, ExchangesFollowTheBaseFormationsPlayerOrder) {
    set_up_bench();
    const int saved = tactics[0].based_on;
    tactics[0].based_on = 11; // position 2 is list place 5, position 7 is place 8
    const t_player_ref six = ref(0, 6);
    const t_player_ref nine = ref(0, 9);
    t_match_bench_formation formation;
    move_cursor(formation, 2);
    tap(formation, KEY_FIRE_1);
    move_cursor(formation, 5);
    tap(formation, KEY_FIRE_1);
    tactics[0].based_on = saved;
    EXPECT_EQ(ref(0, 6), nine);
    EXPECT_EQ(ref(0, 9), six);
}

TEST(BenchFormation, SubstitutionBringsTheSubstituteOnAndTheOtherNeverReturns) {
    set_up_bench(1);
    choose_substitute(2);
    const t_player_ref sub = ref(0, 13);
    const t_player_ref off = ref(0, 8);
    sub->tx = -530;
    sub->ty = -12;
    off->tx = 120;
    off->ty = 250;
    {
        t_match_bench_formation formation;
        move_cursor(formation, 8 - bench_status.selected_pos);
        tap(formation, KEY_FIRE_1);
        EXPECT_TRUE(drain().empty());
    }
    EXPECT_EQ(ref(0, 8), sub);
    EXPECT_EQ(ref(0, 13), off);
    EXPECT_EQ(off->status, STATUS_SUBSTITUTED);
    EXPECT_EQ(team_at(0).subs_count, 1);
    EXPECT_EQ(bench_status.for_subs, 0);
    EXPECT_DOUBLE_EQ(sub->tx, 120);
    EXPECT_DOUBLE_EQ(sub->ty, 250);
    EXPECT_EQ(coaches[0].status, COACH_WAVING_BOTH);
    EXPECT_EQ(team_at(0).players[7], sub) << "the substitute counts among the eleven for the nearest players";

    // He walks off and is parked out of sight once he stands still.
    t_match_bench_substitutions subs;
    step(subs, 400);
    EXPECT_DOUBLE_EQ(off->x, -946);
    // The limit of one is reached: the cursor stays on the title.
    move_cursor(subs, 2);
    EXPECT_EQ(bench_status.selected_pos, 0);
}

TEST(BenchFormation, PlayerTakenOffCannotBeChosenToComeBack) {
    set_up_bench(3);
    choose_substitute(1);
    const t_player_ref off = ref(0, 5);
    {
        t_match_bench_formation formation;
        move_cursor(formation, 5 - bench_status.selected_pos);
        tap(formation, KEY_FIRE_1);
    }
    ASSERT_EQ(ref(0, 12), off);
    const double seated_tx = off->tx;
    t_match_bench_substitutions subs;
    move_cursor(subs, 1);
    tap(subs, KEY_FIRE_1);
    EXPECT_TRUE(drain().empty()) << "nothing happens on his row";
    EXPECT_EQ(off->status, STATUS_SUBSTITUTED);
    EXPECT_EQ(bench_status.for_subs, 0);
    EXPECT_DOUBLE_EQ(off->tx, seated_tx);
}

TEST(BenchFormation, NewGoalkeeperTakesOverTheKeepersBehaviour) {
    set_up_bench();
    give_roles(0, {{16, ROLE_GOALKEEPER}});
    ref(0, 1)->brain->set_state("state_positioning");
    choose_substitute(5);
    EXPECT_EQ(bench_status.selected_pos, 1) << "a keeper is suggested for the keeper";
    const t_player_ref keeper = ref(0, 16);
    t_match_bench_formation formation;
    tap(formation, KEY_FIRE_1);
    EXPECT_EQ(ref(0, 1), keeper);
    EXPECT_TRUE(keeper->brain->in_state("state_positioning"));
    EXPECT_TRUE(ref(0, 16)->brain->in_state("state_stand_run"));
}

TEST(BenchTactics, FireOnAnotherTacticsChangesItAndTheCoachWaves) {
    set_up_bench();
    team_at(0).tactics = 0;
    {
        t_match_bench_tactics tac;
        EXPECT_EQ(tac.selected_tactics, 0);
        move_cursor(tac, -1);
        EXPECT_EQ(tac.selected_tactics, 17) << "wraps round the eighteen";
        tap(tac, KEY_LEFT);
        EXPECT_EQ(drain(), TO_SUBSTITUTIONS);
        EXPECT_EQ(team_at(0).tactics, 0) << "a side step changes nothing";
    }
    {
        t_match_bench_tactics tac;
        tap(tac, KEY_FIRE_1);
        EXPECT_EQ(drain(), TO_SUBSTITUTIONS);
        EXPECT_EQ(coaches[0].status, COACH_SEATED) << "the same tactics: no gesture";
    }
    t_match_bench_tactics tac;
    move_cursor(tac, 3);
    tap(tac, KEY_FIRE_1);
    EXPECT_EQ(drain(), TO_SUBSTITUTIONS);
    EXPECT_EQ(team_at(0).tactics, 3);
    EXPECT_EQ(coaches[0].status, COACH_WAVING);
}
