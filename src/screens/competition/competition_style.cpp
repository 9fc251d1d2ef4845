#include "screens/competition/competition_style.hpp"

#include "core/backgrounds.hpp"
#include "core/globals.hpp"

void use_competition_background(t_game_mode& screen) { screen.img_background = backgrounds->get("menu_competition.jpg"); }

t_button_ref add_competition_title(t_game_mode& screen, const std::string& caption) {
    return add_caption(screen, COMPETITION_GREEN, 252, 40, 520, 40, caption);
}

t_button_ref add_row_caption(t_game_mode& screen, int x, int y, int w, int h, const std::string& caption) {
    return add_caption(screen, CAPTION_RED, x, y, w, h, caption);
}

t_button_ref add_row_value(t_game_mode& screen, int x, int y, int w, int h, const std::string& caption) {
    return add_button(screen, VALUE_BLUE_B, x, y, w, h, caption);
}
