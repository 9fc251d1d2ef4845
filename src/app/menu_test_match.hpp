#pragma once
// The test match of the main menu: two custom teams straight to the presentation screen.
#include "core/game_mode.hpp"

// Mode 32: a fixed match between two custom teams, straight on to the match presentation.
class MenuTestMatch : public t_game_mode {
public:
    MenuTestMatch();
    void update() override;
};
