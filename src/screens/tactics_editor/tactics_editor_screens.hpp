#pragma once
// The factory of the tactics editor screens.
#include <cstdint>
#include <memory>

#include "core/game_mode.hpp"

// Screens of the tactics editor (modes 69-75); null for a mode this family does not build (yet).
std::unique_ptr<t_game_mode> make_tactics_editor_screen(int32_t mode);
