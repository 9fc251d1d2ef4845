#pragma once
// ENHANCED curl: spin bends the ball's course a little every sub-step.
class t_ball;

// Degrees the course turns in one sub-step for spin `s` at speed `v`.
double curl_turn(double s, double v);
// Turns the course by the curl, then moves the ball `step` units along it.
void move_curling(t_ball& b, double step);
