#include "screens/competition/competition_results.hpp"

#include "football/penalty_shootout.hpp"
#include "football/result_simulator.hpp"

namespace {
// Both sides' goals against each other, credited to scorers.
t_score simulated(const t_match& match, bool extra_time) {
    const t_team& home = *match.teams[0];
    const t_team& away = *match.teams[1];
    const t_score goals{simulate_goals(home, away, extra_time), simulate_goals(away, home, extra_time)};
    match.teams[0]->generate_scorers(goals[0]);
    match.teams[1]->generate_scorers(goals[1]);
    return goals;
}
} // namespace

void view_league_result(t_league& league) {
    const t_score g = simulated(league.get_match(), false);
    league.set_result(g[0], g[1]);
}

void view_cup_result(t_cup& cup) {
    const t_score g = simulated(cup.get_match(), false);
    cup.set_result(g[0], g[1], RESULT_AFTER_90);
    complete_cup_match(cup);
}

void complete_cup_match(t_cup& cup) {
    if (cup.current_match >= static_cast<int>(cup.calendar_current.size())) return;
    t_match& match = cup.get_match();
    if (!match.result) return;
    if (match.includes_extra_time == 0 && !match.result_penalties && cup.play_extra_time() != 0) {
        const t_score after90 = *match.result;
        const t_score extra = simulated(match, true);
        cup.set_result(after90[0] + extra[0], after90[1] + extra[1], RESULT_AFTER_EXTRA_TIME);
    }
    if (!match.result_penalties && !match.qualified && cup.play_penalties() != 0) {
        const t_score p = penalty_shootout(*match.teams[0], *match.teams[1]);
        cup.set_result(p[0], p[1], RESULT_PENALTIES);
    }
}
