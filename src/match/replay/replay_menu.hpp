#pragma once
// The after-match screen of a friendly: the same match again, or back to the main menu.
#include "core/game_mode.hpp"

// Mode 19, after a friendly: the same match again, or back to the main menu.
class MenuReplayMatch : public t_game_mode {
public:
    MenuReplayMatch();
};
