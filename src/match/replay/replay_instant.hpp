#pragma once
// The instant replay: playing the recording back at a chosen speed.
#include <array>
#include <cstdint>

#include "match/core/match_mode.hpp"
#include "platform/image.hpp"

// Sub-steps added per update by a stick at (x1, y1): right plays forwards, left backwards, and
// with either of them up takes six off and down adds six; up or down alone creep.
int replay_speed(int x1, int y1);

// Mode 65: the last 6.4 seconds again, held over the running phase. P pauses, R toggles slow
// motion, fire 2 hands the speed to that side's stick.
class t_match_replay : public t_match_mode {
public:
    t_match_replay();
    void update() override;
    void render() override;
    virtual void quit();

    int32_t paused = 0;
    int32_t advanced = 0;
    int32_t speedx = 0;
    int32_t speedy = 0;
    int32_t slow_motion = 0;
    int32_t key_slow = 0;
    int32_t key_pause = 0;
    std::array<int32_t, 2> fire2{};
    int32_t position = 0;
    int32_t speed = 0;
    int32_t requesting_team = 0;

private:
    void take_control();
    void read_speed();
    bool wants_out() const;

    // The game still updates a screen once after its fade-out; by then it has asked to leave.
    bool leaving_ = false;
    t_image_ref sign_;
    t_image_ref speed_sign_;
};
