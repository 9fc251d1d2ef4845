#pragma once
// ENHANCED penalty shoot-outs played on the pitch: after a cup tie that its round sends to penalties,
// or a drawn friendly when the options ask for one. Both sides shoot at one end; the rest wait on
// the halfway line. The match's statistics are left as the final whistle found them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "football/shootout_tally.hpp"
#include "match/core/match_mode.hpp"
#include "match/core/match_state.hpp"

class t_shootout {
public:
    bool on = false;
    bool played = false; // the match had one: its result stands beside the score
    t_shootout_tally tally;
    int goal_side = 1;   // the end every kick is taken at
    std::array<size_t, 2> kicks_taken{0, 0};
    std::array<t_stats, 2> stats_at_start{};
};

extern t_shootout shootout;

// After the final whistle: whether this match goes to a shoot-out on the pitch.
bool shootout_due();
// The toss for the first kick and the end; the phases that follow take the kicks.
void start_shootout();
// The taker of `team`'s next kick: the best shooters of the eleven first, the keeper last, then round again.
t_player* shootout_taker(int team, size_t kicks_taken);
// The shoot-out's result goes to the cup tie being played; a friendly only shows it.
void shootout_result_to_competition();

// Mode 82: the next taker to the spot, the keeper to his line, the others to the halfway line.
class t_match_shootout_positions : public t_match_mode {
public:
    t_match_shootout_positions();
    void update() override;

private:
    int32_t frame0_ = 0;
    t_player* taker_ = nullptr;
};

// Mode 83: the kick on its way until it is in, saved or wide; then the next kick or the end.
class t_match_shootout_kick : public t_match_mode {
public:
    t_match_shootout_kick();
    void update() override;

private:
    // The kick's fate, once known: 1 scored, 0 not.
    int outcome() const;

    int32_t frame0_ = 0;
    int taker_team_ = 0;
    int decided_at_ = -1; // sub-steps since frame0_ when the kick's fate was known
    bool scored_ = false;
};
