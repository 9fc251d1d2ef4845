#pragma once
// Results of matches that are not played: team strength and goals drawn by chance.
#include <array>

#include "football/team.hpp"

// Thousandths of scoring 0..6 goals, by strength 0..10.
extern const std::array<std::array<int, 7>, 11> goal_distribution;

// Attack of `team` against the defence of `opponent`, 0..10.
double simulation_strength(const t_team& team, const t_team& opponent);
// Goals `team` scores against `opponent` in a match that is not played.
int simulate_goals(const t_team& team, const t_team& opponent, bool extra_time);
