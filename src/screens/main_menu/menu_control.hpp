#pragma once
// The control options: the keys of the two key sets.
#include "core/game_mode.hpp"

// Redefinition of the two keyboard key sets.
class MenuControl : public t_game_mode {
public:
    MenuControl();

    void bc_key_button();
};
