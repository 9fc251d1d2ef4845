#pragma once

// Once per sub-step for each team, team 0 first: losing, taking and
// controlling the ball.
void update_possession(int team);

constexpr double LOSE_BALL_DISTANCE = 10;
constexpr double LOSE_BALL_HEIGHT = 26;
constexpr double TAKE_BALL_DISTANCE = 8;
constexpr double TAKE_BALL_HEIGHT = 22;
constexpr double CONTROL_DISTANCE = 7;
constexpr double BALL_AHEAD_OF_FEET = 4;
