#pragma once
// The job the menus are doing (menu.status), read by the menus and by the match they lead to.
#include <cstdint>

constexpr int32_t STATUS_NONE = 0; // main menu: the tactics editor returns there
constexpr int32_t STATUS_FRIENDLY = 1;
constexpr int32_t STATUS_COMPETITION = 2;
constexpr int32_t STATUS_EDITING = 3;
