#pragma once
// Whom a human side steers and since when: the ENHANCED auto switch leaves a man a moment before moving on.
#include <cstdint>

class t_player;

class t_control_hold {
public:
    // Notes the side's controlled man at match clock `now`; his time starts when he is another than before.
    void note(const t_player* controlled, int32_t now) {
        if (controlled == player_) return;
        player_ = controlled;
        since_ = now;
    }
    // Whether he has been steered at least `span` ms by `now`; a clock set back (a new match) holds nobody.
    bool held_for(int32_t now, int32_t span) const { return now < since_ || now - since_ >= span; }

private:
    const t_player* player_ = nullptr;
    int32_t since_ = 0;
};
