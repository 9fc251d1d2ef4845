#pragma once
// The factory of the main menu and option screens.
#include <cstdint>
#include <memory>

#include "core/game_mode.hpp"

// Screens of the main menu and option screens (modes 1-4); null for any other mode.
std::unique_ptr<t_game_mode> make_main_menu_screen(int32_t mode);
