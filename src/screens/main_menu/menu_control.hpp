#pragma once
// The control options: the keys of the two key sets.
#include "core/game_mode.hpp"
#include "screens/main_menu/settings_on_leave.hpp"

// Redefinition of the two keyboard key sets; leaving it saves the settings.
class MenuControl : public t_game_mode {
public:
    MenuControl();

    void bc_key_button();

private:
    t_settings_saved_on_leave save_on_leave_;
};
