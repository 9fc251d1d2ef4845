#pragma once
// What the ENHANCED computer sees: the players on their feet, who stands near a point, who stands on a line.
#include <functional>

class t_player;

// A skill as a value from 0 to the top, whatever flags its field carries.
int skill_value(int field);
// Distance from (px, py) to the segment from (ax, ay) to (bx, by).
double off_the_line(double px, double py, double ax, double ay, double bx, double by);
// Each outfield player and keeper of `team` on the pitch, on his feet, with his slot.
void for_each_standing(int team, const std::function<void(int slot, const t_player&)>& f);
// How far the nearest standing opponent of `team` is from (x, y).
double nearest_opponent(int team, double x, double y);
// Whether a standing opponent of `team` is within `clearance` of the line from (ax, ay) to (bx, by); the
// opponents' keeper counts only when `count_keeper`.
bool line_blocked(int team, double ax, double ay, double bx, double by, double clearance, bool count_keeper);
// The goal `team` attacks, as a y.
double goal_y_attacked(int team);
