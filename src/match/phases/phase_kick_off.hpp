#pragma once
// Starting positions and the kick-off.
#include <cstdint>
#include <memory>

#include "match/core/match_mode.hpp"

class t_player;

// Mode 37: both teams walk to the kick-off formation (before every period and after a goal).
class t_match_starting_positions : public t_match_mode {
public:
    t_match_starting_positions();
    void update() override;

    int32_t move = 0; // 1 while anybody still walks
};

// Mode 38: the kick-off; open play begins once the ball has left the centre spot.
class t_match_kick_off : public t_match_mode {
public:
    t_match_kick_off();
    void update() override;

    int32_t t = 0;    // kicking team
    int32_t waited_ms = 0; // match time spent in this phase; a paused game or the bench does not count

private:
    void aim();
    // The nearest of the kicking side walks behind the ball and owns it.
    void pick_kicker();
    std::shared_ptr<t_player> kicker_;
};

// Match-time ms after which a side not steered from a device kicks off by itself.
constexpr long AUTOMATIC_KICK_OFF_MS = 1000;
constexpr double KICK_OFF_SPEED = 250;
// The ball must be farther than this from the centre spot for play to begin.
constexpr double KICK_OFF_RADIUS = 10;
