#include "screens/main_menu/main_menu_screens.hpp"

#include "screens/main_menu/menu_control.hpp"
#include "screens/main_menu/menu_game_options.hpp"
#include "screens/main_menu/menu_main.hpp"
#include "screens/main_menu/menu_match_options.hpp"

std::unique_ptr<t_game_mode> make_main_menu_screen(int32_t mode) {
    switch (mode) {
    case 1: return std::make_unique<MenuMain>();
    case 2: return std::make_unique<MenuGameOptions>();
    case 3: return std::make_unique<MenuMatchOptions>();
    case 4: return std::make_unique<MenuControl>();
    default: return nullptr;
    }
}
