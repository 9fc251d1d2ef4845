#pragma once
// The factory of the match screens: loading, phases, set pieces, bench and replays.
#include <cstdint>
#include <memory>

#include "core/game_mode.hpp"

// Screens of the match loading, phases, set pieces, bench, replays (modes 19, 31, 32, 36-68); null for a mode this family does not build (yet).
std::unique_ptr<t_game_mode> make_match_screen(int32_t mode);
