#pragma once
// Watching the stored highlights after the match.
#include <cstdint>

#include "match/core/match_mode.hpp"

// Mode 68: one stored highlight after the match, then the next, then back to the end screen.
class t_match_show_highlight : public t_match_mode {
public:
    t_match_show_highlight();
    void update() override;
    virtual void quit();

    int32_t position = 0;
    int32_t key_slow = 0;
    int32_t slow_motion = 0;

private:
    // Once the next screen is asked for, the update the game still runs after the fade-out does nothing.
    bool leaving_ = false;
};
