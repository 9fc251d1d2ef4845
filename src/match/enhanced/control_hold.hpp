#pragma once
// Whom a human side steers and since when: the ENHANCED auto switch leaves a man a moment before moving on;
// and when the ENHANCED team shape was last worked out.
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

// The team shape is worked out once an update, and again when the ball changes sides.
class t_shape_stamp {
public:
    bool fresh(int32_t now, int owner) const { return now == at_ && owner == owner_; }
    void note(int32_t now, int owner) {
        at_ = now;
        owner_ = owner;
    }

private:
    int32_t at_ = INT32_MIN;
    int owner_ = -1;
};
