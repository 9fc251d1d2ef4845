#pragma once
// Throw-ins: the stop, the players taking their places and the throw.
#include <cstdint>

#include "match/core/match_mode.hpp"

// Mode 50: the ball went over a touchline; play stops and the teams take their places.
class t_match_throw_in_stop : public t_match_mode {
public:
    t_match_throw_in_stop();
    void update() override;

    int32_t throw_in_x = 0;
    int32_t throw_in_y = 0;
};

// Mode 51: the thrower walks to the ball.
class t_match_throw_in_positions : public t_match_mode {
public:
    t_match_throw_in_positions();
    void update() override;
};

// Mode 52: the thrower aims with the ball over his head and throws on fire 1.
class t_match_throw_in : public t_match_mode {
public:
    t_match_throw_in();
    void update() override;

    int32_t t = 0; // throwing team
};
