#pragma once
// The referee of an ENHANCED match: he follows play at a distance, blows for fouls and shows cards.
#include <memory>

#include "match/draw/sprite.hpp"

class t_player;

// Where and how a foul was committed, as the referee saw it.
class t_foul {
public:
    std::shared_ptr<t_player> offender;
    std::shared_ptr<t_player> fouled;
    int fouled_team = -1;  // the side that takes the free kick or the penalty
    double x = 0;          // the spot
    double y = 0;
    bool penalty = false;  // in the offender's own penalty area
    bool reckless = false; // from behind, late or at speed: a yellow card
    bool denied_chance = false; // the last defender stopped a clear chance: a red card
};

enum class t_card { none, yellow, red };

class t_referee : public t_sprite {
public:
    void draw(int f) const override;
    int get_y(int f) const override;
    // One sub-step: walks after play, keeping his distance; holds up a card while he shows one.
    void follow_play();
    void save(int f);

    double x = 0;
    double y = 0;
    double a = 90;
    double fmy = 0;
    int card_left = 0; // sub-steps he still holds the card up
    t_card card = t_card::none;
    // A foul blown this sub-step, waiting for its restart.
    bool whistled = false;
    t_foul foul;
    bool on_pitch = false; // only ENHANCED matches have him
    t_recording data;
};

extern t_referee referee;

// A fresh referee for an ENHANCED match, at the centre circle, drawn among the players.
void set_up_referee();
