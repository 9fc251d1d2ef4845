#pragma once
// A taker's stick at a restart: the part of a push that points out of the pitch is dropped.
#include "match/core/play_events.hpp"

class t_input;

// The whistle for a restart taken with the foot: keys and stick cleared, the taker (the ball's owner)
// steered by his side, the restart noted for the statistics. The taker's side, -1 for none.
int taker_steps_up(t_restart_kind kind);

struct t_stick {
    int x = 0;
    int y = 0;
    bool pushed() const { return x != 0 || y != 0; }
};

// The stick as read, with a component dropped when it equals the outward sign (0 keeps it).
t_stick drop_outward(const t_input& in, int out_x, int out_y);

// Throw-in: a push only along the touchline, or none left, throws leaning into the pitch.
int throw_in_angle(const t_input& in, int side_x);
// Corner: only a push with nothing left becomes the diagonal into the pitch.
int corner_angle(const t_input& in, int side_x, int side_y);
// Goal kick: only a push with nothing left becomes straight up the pitch.
int goal_kick_angle(const t_input& in, int side_y);
// Goalkeeper's ball: without a vertical part left the kick goes sideways, leaning up the pitch.
int keeper_kick_angle(const t_input& in, int side_y);
