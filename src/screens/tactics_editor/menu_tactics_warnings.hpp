#pragma once
// The warnings before leaving or aborting the tactics editor with changes.
#include "core/game_mode.hpp"

// Mode 71: leaving with changes: save them to a file, or keep them for this session only.
class t_menu_tactics_save_warning : public t_game_mode {
public:
    t_menu_tactics_save_warning();

    void bc_exit();
};

// Mode 73: aborting with changes: drop them, or go back to the board.
class t_menu_tactics_abort_warning : public t_game_mode {
public:
    t_menu_tactics_abort_warning();

    void bc_continue();
};
