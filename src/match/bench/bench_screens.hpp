#pragma once
// The factory of the bench screens.
#include <cstdint>
#include <memory>

#include "core/game_mode.hpp"

// Bench screens (modes 60-64); null for any other mode.
std::unique_ptr<t_game_mode> make_bench_screen(int32_t mode);
