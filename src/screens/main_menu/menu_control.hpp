#pragma once
// The control options: the keys of the two key sets and the fire buttons of the two pads.
#include "core/game_mode.hpp"
#include "screens/main_menu/settings_on_leave.hpp"

// Redefinition of the two keyboard key sets (saved on leaving) and of the pads' fire buttons.
class MenuControl : public t_game_mode {
public:
    MenuControl();

    void bc_key_button();
    void bc_pad_button();

private:
    t_settings_saved_on_leave save_on_leave_;
};
