#pragma once
// The statistics menu of a competition: scorers, squads and information.
#include "core/game_mode.hpp"

// The way to the scorers, the rules and the squads of the competition.
class MenuViewStatistics : public t_game_mode {
public:
    MenuViewStatistics();
    void bc_competition_info();
    void bc_exit();
};
