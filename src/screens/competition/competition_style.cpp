#include "screens/competition/competition_style.hpp"

#include "core/backgrounds.hpp"
#include "core/globals.hpp"

void use_competition_background(t_game_mode& screen) { screen.img_background = backgrounds->get("menu_competition.jpg"); }

t_button_ref add_competition_title(std::vector<t_widget_ref>& widgets, const std::string& caption) {
    return add_caption(widgets, COMPETITION_COLOURS, 252, 40, 520, 40, caption);
}

t_button_ref add_row_caption(std::vector<t_widget_ref>& widgets, int x, int y, int w, int h, const std::string& caption) {
    return add_caption(widgets, CAPTION_RED, x, y, w, h, caption);
}

t_button_ref add_row_value(std::vector<t_widget_ref>& widgets, int x, int y, int w, int h, const std::string& caption) {
    return add_button(widgets, VALUE_BLUE_B, x, y, w, h, caption);
}
