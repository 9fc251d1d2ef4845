#pragma once
// Possession: losing, taking and controlling the ball, and the distances that decide it.

class t_player;

// Once per sub-step for each team, team 0 first: losing, taking and
// controlling the ball.
void update_possession(int team);
// Whether the player may take the ball now: always when it is free; from an
// opponent only when nearer the ball than him, and not in the same update in
// which he lost it to a tackle himself.
bool may_tackle(const t_player& p);

constexpr double LOSE_BALL_DISTANCE = 10;
constexpr double LOSE_BALL_HEIGHT = 26;
constexpr double TAKE_BALL_DISTANCE = 8;
constexpr double TAKE_BALL_HEIGHT = 22;
constexpr double CONTROL_DISTANCE = 7;
constexpr double BALL_AHEAD_OF_FEET = 4;
constexpr int TACKLE_RECOVERY_MS = 25; // one update of the match clock
