#pragma once
// ENHANCED free kicks: the wall lines up 9.15 m from the ball, then the taker aims and strikes.
#include <cstdint>
#include <vector>

#include "match/core/match_mode.hpp"

// Mode 77: the referee's whistle; the taker goes behind the ball, the wall forms, everyone else keeps away.
class t_match_free_kick_positions : public t_match_mode {
public:
    t_match_free_kick_positions();
    void update() override;

private:
    int32_t frame0_ = 0;
};

// Mode 78: the taker aims and kicks, with after-touch; play goes on once the ball has left the spot.
class t_match_free_kick : public t_match_mode {
public:
    t_match_free_kick();
    void update() override;

private:
    double spot_x_ = 0;
    double spot_y_ = 0;
};

// Men in the wall for a free kick at (x, y) against the goal of side `goal_side`: none far out.
int wall_size(double x, double y, int goal_side);
// Places the wall's men of `team` on the line from the ball to the middle of its goal: their slots.
std::vector<int> form_wall(int team, int men);
