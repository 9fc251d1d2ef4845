#pragma once
// Open play: the match frame of twelve sub-steps and the ways it stops.
#include <cstdint>

#include "match/core/match_mode.hpp"

// A post or bar hit counts as a shot only this many sub-steps after the one before.
constexpr long FRAME_HIT_SHOT_GAP = 48;
// The ball's predicted path is worked out again every this many recorded sub-steps.
constexpr int PREDICTION_EVERY = 40;

// Mode 39: open play, twelve simulation sub-steps per update until the ball
// goes out, into a goal or into the keeper's hands, or the period ends.
class t_match_main : public t_match_mode {
public:
    t_match_main();
    void update() override;

    int32_t missed_goal = 0;

private:
    // False when play stopped in this sub-step (the next phase is queued).
    bool sub_step();
    bool keeper_holds_ball();
    bool goal_line_crossed();
    void near_miss();
    bool period_over() const;
    void open_period_end();
    void switch_players();

    // Sub-steps of open play so far, and the one of the last post or bar hit:
    // a ball resting on the bar hits it again every few sub-steps, which is
    // one shot, not a hundred.
    long sub_steps_ = 0;
    long last_frame_hit_ = -FRAME_HIT_SHOT_GAP - 1;
};

// Whether the ball, crossing the goal line now, is a goal (truncated x inside the mouth, under the bar).
bool in_goal_mouth(double x, double z);
// Whether the ball has crossed the goal line of the half it is in.
bool over_goal_line(double y, int side_y);
// Clock value (ms) after which the period ends.
int32_t period_limit(int32_t period, int32_t length);
