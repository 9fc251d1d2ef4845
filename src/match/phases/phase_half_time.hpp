#pragma once
// Half time: the stop, the walk to the new halves and the wait.
#include "match/core/match_mode.hpp"

// Mode 53: the long whistle of half time; play dies down.
class t_match_half_time_stop : public t_match_mode {
public:
    t_match_half_time_stop();
    void update() override;
};

// Mode 54: both teams walk off to the halfway line beside the pitch.
class t_match_half_time_positions : public t_match_mode {
public:
    t_match_half_time_positions();
    void update() override;
};

// Mode 55: the break; the teams have changed ends.
class t_match_half_time_wait : public t_match_mode {
public:
    t_match_half_time_wait();
    void update() override;
};

// Sub-steps after the long whistle before the players walk off (or the extra-time decisions).
constexpr int PERIOD_STOP_SUB_STEPS = 1441;
// The half-time break ends by itself after more than this many sub-steps.
constexpr int HALF_TIME_WAIT_SUB_STEPS = 3000;

// Slots 1-11 of both teams walk to the touchline spots at the halfway line.
void walk_off_to_halfway_line();
