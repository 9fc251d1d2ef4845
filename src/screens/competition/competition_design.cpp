#include "screens/competition/competition_design.hpp"

#include <algorithm>

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "core/settings.hpp"
#include "football/selected_teams.hpp"
#include "screens/competition/competition_rules.hpp"
#include "screens/friendly/team_selection.hpp"
#include "ui/menu.hpp"

std::shared_ptr<t_league> designed_league;
std::shared_ptr<t_cup> designed_cup;

namespace {

void open_family(t_team_family family) {
    selected_teams.clear();
    menu.status = STATUS_COMPETITION;
    if (family == t_team_family::clubs) {
        action_queue->push(ACTION_NEW_SCREEN, MODE_CLUBS_CONFEDERATION);
    } else if (family == t_team_family::nationals) {
        action_queue->push(ACTION_NEW_SCREEN, MODE_NATIONALS_CONFEDERATION);
    } else {
        menu.confederation = CUSTOM_CONFEDERATION;
        menu.division = 1;
        menu.extension = "cus";
        action_queue->push(ACTION_NEW_SCREEN, MODE_SELECT_TEAMS);
    }
}
} // namespace

void start_league_team_choice(t_team_family family) {
    if (!designed_league) return;
    t_league& league = *designed_league;
    league.total_matches = league_total_matches(league.number_of_teams, league.rounds);
    teams_required = league.number_of_teams;
    competition = designed_league;
    designed_league.reset();
    open_family(family);
}

void start_cup_team_choice(t_team_family family) {
    if (!designed_cup) return;
    t_cup& cup = *designed_cup;
    cup.total_legs = total_legs(cup);
    teams_required = cup.round[0].teams;
    competition = designed_cup;
    designed_cup.reset();
    open_family(family);
}

int next_month(int month, int step) { return rotate_value(month, 0, 11, step); }
int next_pitch_type(int pitch_type, int step) { return rotate_value(pitch_type, 0, PITCH_RANDOM, step); }

int next_design_substitutes(int substitutions, int bench_size, int step) {
    return rotate_value(substitutions, 2, std::max(2, bench_size), step);
}

int next_design_bench_size(int bench_size, int& substitutions, int step) {
    const int size = rotate_value(bench_size, 2, 5, step);
    substitutions = std::min(substitutions, size);
    return size;
}
