#pragma once
// Kicks: start, charge, release as pass, shot, lob or clearance, and after-touch.
#include "match/players/kick_tuning.hpp"

// Once per update for the team: acts on its controller's fire and stick.
void update_kick(int team);
// Shirt slot of the team-mate best lined up with the ball's course; 0 for a still ball.
int best_receiver(int team);
// Signed degrees from nearest_1's course to the team-mate most nearly ahead of him.
double aim_correction(int team);
