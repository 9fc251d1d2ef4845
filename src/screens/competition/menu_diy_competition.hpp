#pragma once
// The choice between a new league and a new cup.
#include "core/game_mode.hpp"

// The choice between a league and a cup.
class MenuDiyCompetition : public t_game_mode {
public:
    MenuDiyCompetition();
};
