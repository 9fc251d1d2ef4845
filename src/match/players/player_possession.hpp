#pragma once
// Possession: losing, taking and controlling the ball, and the distances that decide it.
#include <memory>

class t_player;
class t_team;

// Once per sub-step for each team, team 0 first: losing, taking and
// controlling the ball.
void update_possession(int team);
// Whether the player may take the ball now: always when it is free; from an
// opponent only when nearer the ball than him, and not in the same update in
// which he lost it to a tackle himself.
bool may_tackle(const t_player& p);
// The ball at the taker's feet, his side in control of it; a tackle when an opponent had it.
void take_ball(t_team& t, const std::shared_ptr<t_player>& taker);
// Remembers who lost the ball and when, and counts the tackle for the winner's side.
void count_tackle(const t_player& loser, const std::shared_ptr<t_player>& winner);
// Nearer the ball than its owner and within reach takes it.
void classic_contest_ball(t_team& t, const std::shared_ptr<t_player>& nearest);

constexpr double LOSE_BALL_DISTANCE = 10;
constexpr double LOSE_BALL_HEIGHT = 26;
constexpr double TAKE_BALL_DISTANCE = 8;
constexpr double TAKE_BALL_HEIGHT = 22;
constexpr double CONTROL_DISTANCE = 7;
constexpr double BALL_AHEAD_OF_FEET = 4;
constexpr int TACKLE_RECOVERY_MS = 25; // one update of the match clock
// A tackled player winning the ball back sooner than this is counted as a quick retake.
constexpr int QUICK_RETAKE_MS = 400;
