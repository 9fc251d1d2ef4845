#pragma once
// The league or cup under design, and how a design hands itself to the team selection.
#include <memory>

#include "football/cup.hpp"
#include "football/league.hpp"

extern std::shared_ptr<t_league> designed_league;
extern std::shared_ptr<t_cup> designed_cup;

// The three families the design screens offer.
enum class t_team_family { clubs, nationals, custom };

// Makes the design the competition in progress, sets how many teams the selection wants,
// and opens the selection of `family`.
void start_league_team_choice(t_team_family family);
void start_cup_team_choice(t_team_family family);

// Month, pitch, substitutes and bench steps of both design screens.
int next_month(int month, int step);
int next_pitch_type(int pitch_type, int step);
int next_design_substitutes(int substitutions, int bench_size, int step);
int next_design_bench_size(int bench_size, int& substitutions, int step);
