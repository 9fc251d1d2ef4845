#pragma once
// Where each restart is taken, how hard, and when play goes on. World units (see the pitch
// geometry in match_state.hpp), speeds in units per second.

// Every restart.
constexpr double RESTART_BALL_STILL = 5;   // the ball is placed once it rolls slower than this
constexpr int RESTART_CAMERA_OFFSET = 30;  // the camera leans this far towards the restart's corner

// Corner.
constexpr double CORNER_SPOT_X = 498;        // the ball's place, inside the corner arc
constexpr double CORNER_SPOT_Y = 628;
constexpr double CORNER_TAKER_OUTSIDE = 4;   // the taker stands this far outside the ball, each way
constexpr double CORNER_END_DISTANCE = 22;   // play goes on once the ball is this far from the corner

// Goal kick.
constexpr double GOAL_KICK_SPOT_X = 126;      // the ball's place, the corner of the goal area
constexpr double GOAL_KICK_SPOT_Y = 582;
constexpr double GOAL_KICK_BEHIND = 6;        // the keeper stands this far behind the ball
constexpr double GOAL_KICK_END_DISTANCE = 22; // play goes on once the ball is this far from its spot

// Throw-in: the thrower stands just off the touchline, the ball over his head.
constexpr double THROW_BALL_X = 513;  // the ball's place across the pitch
constexpr double THROW_BALL_Z = 26;   // its height over the thrower's head
constexpr double THROWER_X = 516;     // the thrower's place across the pitch
constexpr double THROW_SPEED = 270;   // pace of a throw
constexpr double THROW_LIFT = 170;    // rise of a throw

// Goalkeeper's ball.
constexpr double KEEPER_HOLDS_AHEAD = 4;     // the ball in his hands, this far ahead of him
constexpr int KEEPER_WAIT_SUB_STEPS = 240;   // he waits this long facing up the pitch
constexpr int KEEPER_KICK_TIME_OUT = 720;    // then kicks by himself after this long
constexpr double KEEPER_KICK_SPEED = 270;    // pace of his kick out of the hands
constexpr double KEEPER_KICK_LIFT = 170;     // rise of that kick
