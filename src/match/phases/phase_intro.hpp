#pragma once
// The walk-on of both teams with the presentation panel.
#include <cstdint>

#include "match/core/match_mode.hpp"

// Mode 36: the walk-on. Both teams come out beside the halfway line and line up in two rows.
class t_match_intro : public t_match_mode {
public:
    t_match_intro();
    void update() override;
    // The match picture with the presentation panel over it.
    void render() override;

    int32_t dly = 0;  // sub-steps in which nobody walked
    int32_t dly2 = 0; // sub-steps since the walk-on began
};

// Sub-steps of standing in line after which the walk-on ends by itself.
constexpr int32_t INTRO_LINED_UP_SUB_STEPS = 9600;
