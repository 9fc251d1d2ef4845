#pragma once
// Where the players run: their tactical places and who chases the ball.
#include "football/ball_zone.hpp"

// Targets of the outfield players from their team's tactics for the ball's
// zone; neutral = 1 uses the centre zone.
void set_tactics_targets(int neutral);
// Targets of the players who go for the ball of a team without it.
void set_chase_targets();

