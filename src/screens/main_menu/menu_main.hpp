#pragma once
// The main menu.
#include "core/game_mode.hpp"

// The hub: options, control, tactics, friendly, competitions and team editing.
class MenuMain : public t_game_mode {
public:
    MenuMain();

    void bc_edit_tactics();
    void bc_set_diy_competition();
    void bc_set_competition();
};

// The text of the main menu's competition button.
std::string competition_button_caption(int ended, const std::string& name);
// "8 DECEMBER 2026": day, month in the player's language, year (month 1..12).
std::string date_caption(int day, int month, int year);
