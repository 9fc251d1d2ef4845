#include "screens/main_menu/main_menu_screens.hpp"

std::unique_ptr<t_game_mode> make_main_menu_screen(int32_t /*mode*/) { return nullptr; }
