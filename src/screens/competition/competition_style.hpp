#pragma once
// The look every competition screen shares.
#include <string>
#include <vector>

#include "core/game_mode.hpp"
#include "ui/menu_toolkit.hpp"


// "menu_competition.jpg" behind the screen.
void use_competition_background(t_game_mode& screen);
// The inactive title (252, 40, 520, 40) in the competition colours.
t_button_ref add_competition_title(t_game_mode& screen, const std::string& caption);
// A design or info row: the red caption and the blue value button beside it.
t_button_ref add_row_caption(t_game_mode& screen, int x, int y, int w, int h, const std::string& caption);
t_button_ref add_row_value(t_game_mode& screen, int x, int y, int w, int h, const std::string& caption);
