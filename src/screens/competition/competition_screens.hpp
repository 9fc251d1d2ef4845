#pragma once
// The factory of the competition screens.
#include <cstdint>
#include <memory>

#include "core/game_mode.hpp"

// Screens of the DIY league and cup screens (modes 6, 20-30); null for a mode this family does not build (yet).
std::unique_ptr<t_game_mode> make_competition_screen(int32_t mode);
