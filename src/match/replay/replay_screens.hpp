#pragma once
// The factory of the replay screens.
#include <cstdint>
#include <memory>

#include "core/game_mode.hpp"

// Instant replay, highlights and the after-match screen (modes 19, 65, 68); null for any other mode.
std::unique_ptr<t_game_mode> make_replay_screen(int32_t mode);
