#pragma once
// Results that are asked for instead of played, and what a played cup match still owes.
#include "football/cup.hpp"
#include "football/league.hpp"

// Simulated scores for the current match, recorded with their scorers.
void view_league_result(t_league& league);
// The same for a cup, with extra time and a shoot-out where the round's rules want them.
void view_cup_result(t_cup& cup);
// A cup match back from the pitch with its 90 minutes: extra time (simulated when it was
// not played) and the shoot-out that the round's rules still ask for.
void complete_cup_match(t_cup& cup);
