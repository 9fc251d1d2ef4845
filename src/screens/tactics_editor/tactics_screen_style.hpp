#pragma once
// Colours and the title shared by the tactics editor's screens.
#include <string>

#include "core/game_mode.hpp"
#include "ui/menu_toolkit.hpp"


// Background "menu_set_team.jpg" and the wide title every tactics screen shows.
void add_tactics_backdrop(t_game_mode& screen, const std::string& title);
