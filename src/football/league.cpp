#include "football/league.hpp"

#include <algorithm>

#include "football/calendar.hpp"
#include "platform/fatal.hpp"

bool league_table_order(const t_team& a, const t_team& b) {
    if (a.points != b.points) return a.points > b.points;
    const int diff_a = a.goals_for - a.goals_against;
    const int diff_b = b.goals_for - b.goals_against;
    if (diff_a != diff_b) return diff_a > diff_b;
    if (a.goals_for != b.goals_for) return a.goals_for > b.goals_for;
    return a.name < b.name;
}

void t_league::initialize(const std::vector<t_team_ref>& list) {
    t_competition::initialize(list);
    // The fixture table only exists for 2..24 teams.
    if (teams.size() < CALENDAR_MIN_TEAMS || teams.size() > CALENDAR_MAX_TEAMS)
        runtime_error("A league needs 2 to 24 teams");
    number_of_teams = static_cast<int>(teams.size());
    total_matches = rounds * number_of_teams * (number_of_teams - 1) / 2;
    shuffle_teams(teams);
    calendar_generate();
}

void t_league::restart() {
    t_competition::restart();
    for (const auto& t : teams) t->reset_statistics();
    calendar_generate();
}

t_match& t_league::get_match() { return calendar_current.at(static_cast<size_t>(current_match)); }

void t_league::next_match() {
    ++current_match;
    if (2 * current_match == (current_round + 1) * number_of_teams * (number_of_teams - 1)) next_round();
}

void t_league::next_round() {
    ++current_round;
    if (current_round >= rounds) ended = 1;
    update_month();
}

void t_league::calendar_generate() {
    calendar_current.clear();
    current_match = 0;
    current_round = 0;
    const int n = number_of_teams;
    const size_t block = calendar_block_offset(n);
    const int per_round = n * (n - 1) / 2;
    while (current_round < rounds) {
        const int m = current_match - current_round * per_round;
        const size_t a = calendar_data[block + 2 * static_cast<size_t>(m)];
        const size_t b = calendar_data[block + 2 * static_cast<size_t>(m) + 1];
        t_match match;
        const bool even = current_round % 2 == 0;
        match.teams = {teams.at(even ? a : b), teams.at(even ? b : a)};
        calendar_current.push_back(std::move(match));
        next_match();
    }
    current_match = 0;
    current_round = 0;
    ended = 0;
    update_month();
}

void t_league::set_result(int goals_home, int goals_away) {
    t_match& match = get_match();
    match.result = t_score{goals_home, goals_away};
    match.teams[0]->update_statistics(goals_home, goals_away, points_for_a_win);
    match.teams[1]->update_statistics(goals_away, goals_home, points_for_a_win);
}

std::vector<t_team_ref> t_league::table() const {
    std::vector<t_team_ref> sorted = teams;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const t_team_ref& a, const t_team_ref& b) { return league_table_order(*a, *b); });
    return sorted;
}
