#pragma once
// The end of a period: full time, extra time and the end of the match.
#include "match/core/match_mode.hpp"

// The long whistle at the end of normal time or of an extra-time half, and what follows it.
class t_match_period_stop : public t_match_mode {
public:
    void update() override;

protected:
    t_match_period_stop(bool reads_controllers, bool keep_in_bounds);
    // After the whistle has died away.
    virtual void leave() = 0;

private:
    bool reads_controllers_;
    bool keep_in_bounds_;
};

// Mode 56: the end of normal time.
class t_match_full_time_stop : public t_match_period_stop {
public:
    t_match_full_time_stop();

protected:
    void leave() override;
};

// Mode 57: level in a cup tie; a new coin toss and new ends for extra time.
class t_match_extra_time_stop : public t_match_period_stop {
public:
    t_match_extra_time_stop();

protected:
    void leave() override;
};

// Mode 58: the change of ends between the two extra-time halves.
class t_match_half_extra_time_stop : public t_match_period_stop {
public:
    t_match_half_extra_time_stop();

protected:
    void leave() override;
};

// Mode 59: the end of extra time.
class t_match_full_extra_time_stop : public t_match_period_stop {
public:
    t_match_full_extra_time_stop();

protected:
    void leave() override;
};

// Mode 66: the players walk off after the final whistle.
class t_match_end_positions : public t_match_mode {
public:
    t_match_end_positions();
    void update() override;
};

// Mode 67: the final statistics until a key or the time-out ends the match.
class t_match_end : public t_match_mode {
public:
    t_match_end();
    void update() override;
    // The statistics, and the key that keeps the highlights.
    void render() override;

    int32_t timer = 0; // sub-steps since entry
};

// The end screen closes by itself after more than this many sub-steps.
constexpr int32_t MATCH_END_SUB_STEPS = 9600;
