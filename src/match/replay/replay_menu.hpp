#pragma once
// The after-match screen of a friendly: the result, the scorers and the statistics, then the same match
// again or back to the main menu.
#include <array>
#include <string>

#include "core/game_mode.hpp"

// "HOME 2 - 1 AWAY" of the match just played (empty before any match).
std::string final_score_line();

// Mode 19, after a friendly.
class MenuReplayMatch : public t_game_mode {
public:
    MenuReplayMatch();

    t_widget_ref w_score;
    std::array<t_widget_ref, 2> w_scorers;
};
