#pragma once
// The running tally of a penalty shoot-out: whose turn it is, and when it is decided.
#include <array>
#include <vector>

#include "football/match_record.hpp"

class t_shootout_tally {
public:
    static constexpr int KICKS = 5; // each, before sudden death

    // `first` (0 home, 1 away) takes the first kick; the sides then take turns.
    t_shootout_tally() = default;
    explicit t_shootout_tally(int first) : first_(first) {}

    int next_side() const;
    // The next kick, for the side whose turn it is.
    void record(bool scored);
    // Five kicks each unless one side can no longer catch up; then pairs until one misses.
    bool decided() const;
    // Kicks each side has taken, in order: true scored.
    const std::vector<bool>& kicks(int side) const { return kicks_[static_cast<size_t>(side)]; }
    t_score goals() const;
    int first() const { return first_; }

private:
    int first_ = 0;
    std::array<std::vector<bool>, 2> kicks_;
};
