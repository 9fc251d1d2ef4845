#pragma once
// ENHANCED first touches of a loose ball: fast balls deflect off bodies, high balls are headed, low crosses
// met with a diving header, dropping balls volleyed.
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
// A low ball flying fast just ahead of `p` near the goal his side attacks, within his run.
bool in_diving_header_window(const t_player& p, int team);
// He throws himself at it head first and lands on his front. True when he met it.
bool try_diving_header(int team, const std::shared_ptr<t_player>& p);
// A ball dropping between knee and head height at his feet.
bool in_volley_window(double z, double vz, double reach);
// Struck first time: a human when he presses fire as it drops, the computer only within range of goal.
// Not every volley is struck cleanly. True when he struck it.
bool try_volley(int team, const std::shared_ptr<t_player>& p);
