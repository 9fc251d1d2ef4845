#include "screens/friendly/friendly_screens.hpp"

std::unique_ptr<t_game_mode> make_friendly_screen(int32_t /*mode*/) { return nullptr; }
