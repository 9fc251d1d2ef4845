#pragma once
// Where the players run: their tactical places and who chases the ball.
#include "football/ball_zone.hpp"
#include "football/tactics.hpp"

// Targets of the outfield players from their team's tactics for the ball's
// zone; neutral = 1 uses the centre zone.
void set_tactics_targets(int neutral);
// Targets of the players who go for the ball of a team without it.
void set_chase_targets();
// The slots of a team without the ball who go for it: its nearest man and the one the ball comes to (0 for none;
// never the keeper).
struct t_chasers {
    int nearest = 0;
    int receiver = 0;
    bool chases(int slot) const { return slot != 0 && (slot == nearest || slot == receiver); }
};
t_chasers chasers(int team);
// The zone of the team's tactics the ball is in: the grid is kept from the side of the goal at negative y.
int tactics_zone(int team);

// Where `tac` puts the man of `slot` (1-11) of `team` with the ball in `zone`, turned to the end the team defends.
t_vec2d tactic_place(int team, const t_tactics& tac, int slot, int zone);
