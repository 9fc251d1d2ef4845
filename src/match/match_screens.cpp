#include "match/match_screens.hpp"

std::unique_ptr<t_game_mode> make_match_screen(int32_t /*mode*/) { return nullptr; }
