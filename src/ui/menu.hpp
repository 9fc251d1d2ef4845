#pragma once
// The state the menu screens hand on to each other.
#include <cstdint>
#include <string>

#include "football/tactics.hpp"
#include "football/team.hpp"

// State handed from one menu screen to the next.
class t_menu {
public:
    int32_t status = 0;
    int32_t teams = 0;
    int32_t division = 0;
    int32_t divisions = 0;
    int32_t no_league = 0;
    std::string extension;
    int32_t confederation = 0;
    int32_t modified = 0;
    int32_t team_to_set = 0;
    int32_t show_result = 0;
    int32_t tactics_to_edit = 0;
    t_tactics edited_tactics;
    int32_t tactics_flip = 1;
    t_tactics_stack tactics_undo;
    t_team_ref team_to_show;
    // The screen the HOW TO PLAY screen goes back to.
    int32_t help_return = 1;
};

extern t_menu menu;
