#pragma once
// ENHANCED first touches of a loose ball: fast balls deflect off bodies, high balls are headed.
#include <memory>

class t_player;
class t_team;

// The chance that `p` controls a ball arriving at speed `v` instead of deflecting it.
double control_chance(double v, int bc);
// A fast ball meets `p`: its course turns, it slows, and he is its last toucher.
void deflect_ball(const std::shared_ptr<t_player>& p);
// Whether a ball at height `z` and distance `reach` can be headed.
bool in_header_window(double z, double reach);
// `p` of side `team` meets a high ball: a human heads it along his stick, the computer at goal or clear.
// True when he got his head to it.
bool try_header(int team, const std::shared_ptr<t_player>& p);
