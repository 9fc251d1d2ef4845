#pragma once
// Corners: the stop, the players taking their places and the kick.
#include <cstdint>

#include "match/core/match_mode.hpp"

// Mode 41: a defender put the ball over his own goal line; it rolls out and goes to the flag.
class t_match_corner_stop : public t_match_mode {
public:
    t_match_corner_stop();
    void update() override;

    int32_t side_x = 0;
    int32_t side_y = 0;
};

// Mode 42: the taker walks round behind the ball.
class t_match_corner_positions : public t_match_mode {
public:
    t_match_corner_positions();
    void update() override;
};

// Mode 43: the taker aims and kicks.
class t_match_corner_kick : public t_match_mode {
public:
    t_match_corner_kick();
    void update() override;

private:
    int side_x_ = 0;
    int side_y_ = 0;
};
