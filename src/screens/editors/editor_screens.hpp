#pragma once
// The factory of the team and player editor screens.
#include <cstdint>
#include <memory>

#include "core/game_mode.hpp"

// Screens of the team and player editors (modes 7, 13, 16, 17); null for a mode this family does not build (yet).
std::unique_ptr<t_game_mode> make_editor_screen(int32_t mode);
