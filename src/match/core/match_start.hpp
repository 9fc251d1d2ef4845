#pragma once
// How a match begins when it skips the walk-on: straight to open play, or endless.

// How a match started from the command line begins.
class t_match_start {
public:
    // Skip the walk-on, line-up and kick-off: open play starts at once from the tactical positions.
    bool straight_to_open_play = false;
    // Every stop of play restarts open play from the centre (benchmarks and long runs).
    bool endless = false;
};

extern t_match_start match_start;

// Puts both teams on their centre-zone positions and the ball on the centre spot, ready for open play.
void place_for_open_play();
