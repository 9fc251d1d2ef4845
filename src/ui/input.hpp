#pragma once
// The two controllers of a match: stick and fire read from key sets and joysticks.
#include <array>
#include <cstdint>

// One human side's controller during a match, with two frames of history.
class t_input {
public:
    int32_t dev = 0;
    int32_t x0 = 0, x1 = 0, x2 = 0;
    int32_t y0 = 0, y1 = 0, y2 = 0;
    int32_t angle = 0;
    int32_t fire10 = 0, fire11 = 0;
    int32_t fire20 = 0, fire21 = 0;
    int32_t fired = 0;
    int32_t fire_time = 0;
    int32_t fire_angle = 0;
    int32_t fire_z = 0;
    int32_t atouch = 0;
    int32_t atouch_time = 0;
};

extern std::array<t_input, 2> inputs;

// Per frame the match calls input_shift, then input_read.
void input_shift(int i);
// Reads the side's device; a one-frame blip in the history is smoothed away.
void input_read(int i);
void input_reset(int i);
