#pragma once
// Choosing the tactics slot to edit.
#include "core/game_mode.hpp"

// Mode 69: which of the six user tactics to edit.
class t_menu_select_tactics_to_edit : public t_game_mode {
public:
    t_menu_select_tactics_to_edit();

    void bc_edit_tactics(int n);
    void bc_exit();
};
