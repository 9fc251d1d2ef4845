#pragma once
// Importing tactics from a file into the edited slot.
#include "core/game_mode.hpp"

// Mode 74: replace the tactics under edit by a preset or a user slot, or load a file.
class t_menu_tactics_import : public t_game_mode {
public:
    t_menu_tactics_import();

    void bc_import(int i);
};
