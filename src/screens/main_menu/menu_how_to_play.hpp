#pragma once
// The HOW TO PLAY screen: the keys of both key sets and the pad, how to kick, and the match's keys.
#include <array>
#include <string>
#include <vector>

#include "core/game_mode.hpp"

// The lines that explain kicking and the bench, then the lines of the match keys (dictionary keys).
const std::vector<std::string>& how_to_play_lines();
const std::vector<std::string>& match_key_lines();

// Mode 77, from the main menu and the line-up screen; EXIT goes back to where it came from.
class MenuHowToPlay : public t_game_mode {
public:
    MenuHowToPlay();

    // Per direction and fire row: key set 1, key set 2 and the pad.
    std::array<std::array<t_widget_ref, 3>, 6> w_controls;
};
