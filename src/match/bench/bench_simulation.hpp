#pragma once
// Play goes on under the bench panels, but nothing of it is kept for the replays.
#include "match/phases/phase_common.hpp"

// Twelve sub-steps: ball, players kept in bounds with the goalkeepers' behaviour, the coaches'
// gestures when asked, each recorded over the current sub-step instead of after it.
void bench_sub_steps(const t_camera_args& camera_args, bool with_coaches);

// Camera arguments of the bench: towards a world point, x without the touchline limit.
t_camera_args camera_towards(int x_speed, double x, int y_speed, double y);
// Distance from the world point at the centre of the screen to (x, y), each part truncated.
double view_distance_to(double x, double y);
