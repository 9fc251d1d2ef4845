#include "screens/tactics_editor/tactics_screen_style.hpp"

#include "core/loaders.hpp"

void add_tactics_backdrop(t_game_mode& screen, const std::string& title) {
    screen.img_background = load_image_from("images/backgrounds", "menu_set_team.jpg", 0);
    add_caption(screen, GOLD, 232, 40, 560, 40, title);
}
