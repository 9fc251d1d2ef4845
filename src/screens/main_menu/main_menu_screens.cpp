#include "screens/main_menu/main_menu_screens.hpp"

#include "core/screen_modes.hpp"
#include "screens/main_menu/menu_control.hpp"
#include "screens/main_menu/menu_game_options.hpp"
#include "screens/main_menu/menu_how_to_play.hpp"
#include "screens/main_menu/menu_main.hpp"
#include "screens/main_menu/menu_match_options.hpp"

std::unique_ptr<t_game_mode> make_main_menu_screen(int32_t mode) {
    switch (mode) {
    case MODE_MAIN_MENU: return std::make_unique<MenuMain>();
    case MODE_GAME_OPTIONS: return std::make_unique<MenuGameOptions>();
    case MODE_MATCH_OPTIONS: return std::make_unique<MenuMatchOptions>();
    case MODE_CONTROL: return std::make_unique<MenuControl>();
    case MODE_HOW_TO_PLAY: return std::make_unique<MenuHowToPlay>();
    default: return nullptr;
    }
}
