#pragma once
// ENHANCED auto switch: while the opponents have the ball, a human side steers the man best placed to win it.
#include <limits>
#include <memory>

class t_player;

// Never: he cannot catch the ball on its present course.
constexpr double NEVER_REACHES = std::numeric_limits<double>::infinity();

// How long `p`, running flat out, needs to meet what moves on from (x, y) at speed `v` along course `a`
// (degrees): the distance he runs over his speed; NEVER_REACHES when he cannot catch it.
double time_to_meet(const t_player& p, double x, double y, double v, double a);
// The outfield man of `team` (never the keeper, nobody on the grass or off the screen) who meets the
// ball soonest, carried on along its carrier's run (its own course when loose); null when none can.
std::shared_ptr<t_player> best_placed_to_win_ball(int team);
// When the option is on, for a side steered by a human while the opponents own the ball, and he is
// neither holding fire 1, charging a kick nor sliding: control passes to the best placed man, when he
// is clearly better placed and the controlled man has been held a moment.
void auto_switch_control(int team);
