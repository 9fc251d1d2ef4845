#pragma once
// Penalty shoot-outs of simulated results.
#include "football/match_record.hpp"
#include "football/team.hpp"

// How good `p` is from the spot: shooting and finishing together. Takers go best first.
int penalty_taking(const t_player& p);
// Percent chance that `taker` scores a penalty against `keeper` (none: an empty goal).
int penalty_chance(const t_player& taker, const t_player* keeper);

// A shoot-out between two sides: five kicks each, then sudden death. It never ends level,
// so a cup always has a winner once penalties are taken.
t_score penalty_shootout(const t_team& home, const t_team& away);
