#pragma once
// Choosing club, national or custom teams to edit.
#include "core/game_mode.hpp"

// Mode 7: which family of teams to edit.
class MenuEditTeams : public t_game_mode {
public:
    MenuEditTeams();

    void bc_club_teams();
    void bc_national_teams();
    void bc_custom_teams();
};
