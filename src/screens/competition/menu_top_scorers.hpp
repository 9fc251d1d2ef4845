#pragma once
// The competition's top scorers.
#include "core/game_mode.hpp"

// The players who have scored in the competition, grouped by their goals.
class MenuTopScorers : public t_game_mode {
public:
    MenuTopScorers();
};
