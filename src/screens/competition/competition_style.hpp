#pragma once
// The look every competition screen shares.
#include <string>
#include <vector>

#include "core/game_mode.hpp"
#include "ui/menu_toolkit.hpp"

constexpr int MODE_MAIN_MENU = 1;
constexpr int MODE_DIY_COMPETITION = 6;
constexpr int MODE_DESIGN_LEAGUE = 20;
constexpr int MODE_PLAY_LEAGUE = 21;
constexpr int MODE_VIEW_STATISTICS = 22;
constexpr int MODE_TOP_SCORERS = 23;
constexpr int MODE_LEAGUE_INFO = 24;
constexpr int MODE_SELECT_SQUAD = 25;
constexpr int MODE_VIEW_TEAM = 26;
constexpr int MODE_COMPETITION_WARNING = 27;
constexpr int MODE_DESIGN_CUP = 28;
constexpr int MODE_PLAY_CUP = 29;
constexpr int MODE_CUP_INFO = 30;

// "menu_competition.jpg" behind the screen.
void use_competition_background(t_game_mode& screen);
// The inactive title (252, 40, 520, 40) in the competition colours.
t_button_ref add_competition_title(t_game_mode& screen, const std::string& caption);
// A design or info row: the red caption and the blue value button beside it.
t_button_ref add_row_caption(t_game_mode& screen, int x, int y, int w, int h, const std::string& caption);
t_button_ref add_row_value(t_game_mode& screen, int x, int y, int w, int h, const std::string& caption);
