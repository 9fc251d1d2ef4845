#pragma once
// The look every competition screen shares.
#include <string>
#include <vector>

#include "core/game_mode.hpp"
#include "screens/main_menu/menu_building.hpp"

constexpr t_colours COMPETITION_COLOURS{0x415600, 0x5E7D00, 0x243000};
constexpr t_colours CHOICE_GREEN{0x568200, 0x77B400, 0x243E00};
constexpr t_colours CHOICE_GREY{0x666666, 0x8F8D8D, 0x404040};
constexpr t_colours TABLE_GREY{0x808080, 0xA6A6A6, 0x4C4C4C};
constexpr t_colours NEXT_GREEN{0x138B21, 0x1BC12F, 0x004814};
constexpr t_colours SCORER_HEADER{0x00825F, 0x00C28E, 0x00402F};
constexpr t_colours SCORER_NAME{0x1F1F95, 0, 0};


// "menu_competition.jpg" behind the screen.
void use_competition_background(t_game_mode& screen);
// The inactive title (252, 40, 520, 40) in the competition colours.
t_button_ref add_competition_title(std::vector<t_widget_ref>& widgets, const std::string& caption);
// A design or info row: the red caption and the blue value button beside it.
t_button_ref add_row_caption(std::vector<t_widget_ref>& widgets, int x, int y, int w, int h, const std::string& caption);
t_button_ref add_row_value(std::vector<t_widget_ref>& widgets, int x, int y, int w, int h, const std::string& caption);
