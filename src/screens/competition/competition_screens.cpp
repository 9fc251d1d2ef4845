#include "screens/competition/competition_screens.hpp"

std::unique_ptr<t_game_mode> make_competition_screen(int32_t /*mode*/) { return nullptr; }
