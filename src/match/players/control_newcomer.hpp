#pragma once
// The scripted newcomer: a human side whose stick and buttons a plain policy writes from the match state.

// The device number of a side the newcomer plays: no key set or pad reads it.
constexpr int NEWCOMER_DEVICE = 5;

// Whether play goes on while the controller is read, or stands still for a restart or a break.
enum class t_play { on, stopped };

// Fills the stick and fire readings of the newcomer's side from where the ball and the players are; no
// random numbers, so a match stays the one its seed gives.
void newcomer_controller(int side);
// A human side's reading: its device, or the newcomer who stands in for one.
void read_player_controller(int side, t_play play);
