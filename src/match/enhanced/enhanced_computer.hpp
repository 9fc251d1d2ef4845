#pragma once
// ENHANCED: the computer's choices on the ball. It looks up a moment after taking the ball, then shoots
// when it is a chance, passes to a free team-mate along a free line, or runs with the ball.
#include <optional>

#include "match/core/play_events.hpp"

class t_player;

// A team-mate a pass could reach, and how good a pass to him would be.
struct t_pass_choice {
    int slot = 0;
    double x = 0; // where the ball is played: in front of him when he runs
    double y = 0;
    double score = 0;
};

// How sharp the computer is at its level: its time to look up and the spread of its aim, as shares of
// NORMAL's, and whether a second man covers the presser.
struct t_computer_sharpness {
    double look_up = 1;
    double aim_error = 1;
    bool covers = true;
    double cover_gap = 1; // the cover's distance behind the carrier
};
t_computer_sharpness computer_sharpness();
// How long the computer carrier of `team` holds the ball before he plays it on, pressed or not.
int look_up_ms(bool pressed);

// The computer's foot: the ball leaves `carrier` of `team` along `a` at `v`, rising at `vz`.
void computer_strike(int team, const t_player& carrier, double a, double v, double vz, t_kick_aim aim);
// The ball leaves `from` along `a` at `v`, rising at `vz`, without spin: what every strike and throw of the
// computer shares.
void send_ball(const t_player& from, double a, double v, double vz);
// The rise that brings a ball struck at `v` down to height `z` after `d` units.
double lift_to_land(double d, double v, double z);
// The best pass for `team` from its carrier: no opponent on the line or at the receiver, forward first.
std::optional<t_pass_choice> best_pass(int team, const t_player& carrier);
// Whether the carrier of `team` has a shot worth taking from where he stands.
bool shooting_chance(int team, const t_player& carrier);
// For each side the computer plays in open play: shoots, passes, or keeps running with the ball.
void computer_on_the_ball();
