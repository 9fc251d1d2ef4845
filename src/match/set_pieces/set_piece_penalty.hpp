#pragma once
// ENHANCED penalties: everyone else out of the area, the keeper on his line, the taker aims and strikes.
#include <cstdint>

#include "match/core/match_mode.hpp"

// Mode 79: the ball on the spot, the others leave the area.
class t_match_penalty_positions : public t_match_mode {
public:
    t_match_penalty_positions();
    void update() override;

private:
    int32_t frame0_ = 0;
};

// Mode 80: the taker picks a side and strikes; the keeper guesses as the ball is struck.
class t_match_penalty_kick : public t_match_mode {
public:
    t_match_penalty_kick();
    void update() override;

private:
    int32_t frame0_ = 0;
    int taker_team_ = 0;
    int computer_aim_ = 0; // -1 left of the keeper, 0 down the middle, 1 right
    int keeper_guess_ = 0;
};

// Where a penalty aimed at `aim` (-1, 0, 1) crosses the line, seen from the middle of the goal.
double penalty_aim_x(int aim);
// Moves every player's target of both sides out of the area the penalty is taken in and off the spot.
void clear_penalty_area(int defending_side);
