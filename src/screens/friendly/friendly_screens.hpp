#pragma once
// The factory of the friendly and team-selection screens.
#include <cstdint>
#include <memory>

#include "core/game_mode.hpp"

// Screens of the friendly set-up and team selection (modes 5, 8-12, 14, 15, 18); null for any other mode.
std::unique_ptr<t_game_mode> make_friendly_screen(int32_t mode);
