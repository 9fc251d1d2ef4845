#pragma once
// The base of every match phase: drawing, replay, bench and leaving the match.
#include <cstdint>

#include "core/game_mode.hpp"

// Base of every phase of a match: the frame drawing and the ways out of a phase.
class t_match_mode : public t_game_mode {
public:
    t_match_mode();

    void render() override;
    // Holds this phase, shows the instant replay, comes back.
    virtual void replay();
    virtual void bench(int team);
    // Releases the match and returns to the screen the match came from.
    virtual void quit_match();

    int32_t frame0 = 0;
    int32_t display_controlled_player = 1;
    int32_t display_ball_owner = 0;
    int32_t display_goal_scorer = 0;
    int32_t display_time = 1;
    int32_t display_wind_vane = 1;
    int32_t display_score = 0;
    int32_t display_statistics = 0;
};
