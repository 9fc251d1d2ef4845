#pragma once
// Goal kicks: the stop, the players taking their places and the kick.
#include <cstdint>
#include <memory>

#include "match/core/match_mode.hpp"

class t_player;

// Mode 44: an attacker put the ball over the goal line; it rolls out, the teams line up.
class t_match_goal_kick_stop : public t_match_mode {
public:
    t_match_goal_kick_stop();
    void update() override;

    int32_t side_x = 0;
    int32_t side_y = 0;
};

// Mode 45: the goalkeeper walks behind the ball.
class t_match_goal_kick_positions : public t_match_mode {
public:
    t_match_goal_kick_positions();
    void update() override;

    std::shared_ptr<t_player> keeper;
};

// Mode 46: the goalkeeper aims and kicks.
class t_match_goal_kick : public t_match_mode {
public:
    t_match_goal_kick();
    void update() override;

    std::shared_ptr<t_player> keeper;

private:
    int side_x_ = 0;
    int side_y_ = 0;
};
