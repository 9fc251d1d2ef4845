#pragma once
// A goal: the celebration and the way back to the kick-off.
#include <cstdint>
#include <memory>

#include "match/core/match_mode.hpp"

class t_player;

// Mode 40: the celebration after a goal; the team that conceded kicks off next.
class t_match_goal : public t_match_mode {
public:
    t_match_goal();
    void update() override;

    int32_t waited_ms = 0;   // match time spent in this phase; a paused game or a replay does not count
    int32_t cel = 0;         // direction 0..7 the scorer runs off in
    int32_t replay_done = 0; // the automatic replay has been shown

private:
    void celebrate();
    std::shared_ptr<t_player> scorer_;
    bool own_goal_ = false;
};

// The ball must lie still and this much match time must have passed before the line-up.
constexpr long GOAL_CELEBRATION_MS = 3000;
