#pragma once
// The keeper's ball: the stop, the wait for a clear area and his kick or throw.
#include <cstdint>

#include "match/core/match_mode.hpp"

// Mode 47: the goalkeeper holds the ball until the opponents have left his penalty area.
class t_match_keeper_stop : public t_match_mode {
public:
    t_match_keeper_stop();
    void update() override;

    int32_t t = 0; // goalkeeper's team
};

// Mode 48: a short wait with the ball in his hands, facing up the pitch.
class t_match_keeper_wait : public t_match_mode {
public:
    t_match_keeper_wait();
    void update() override;

    int32_t t = 0;
};

// Mode 49: the goalkeeper aims and kicks the ball out of his hands.
class t_match_keeper_kick : public t_match_mode {
public:
    t_match_keeper_kick();
    void update() override;

    int32_t t = 0;
};

// The goalkeeper's team at a keeper's ball: the team defending the end the ball is in.
int keeper_team();
// Whether a player stands in the penalty area at the end of sign side_y.
bool in_penalty_area(double x, double y, int side_y);
