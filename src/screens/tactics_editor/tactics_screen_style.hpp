#pragma once
// Colours and the title shared by the tactics editor's screens.
#include <string>

#include "core/game_mode.hpp"
#include "screens/editors/widget_factory.hpp"

inline constexpr t_colours TACTICS_TITLE{0xBA9206, 0xE9B607, 0x6A5304};
inline constexpr t_colours FILE_BUTTON{0x98691E, 0xC88B28, 0x3E2600};
inline constexpr t_colours IMPORT_BUTTON{0xAB148D, 0xDE1AB7, 0x780E63};
inline constexpr t_colours BLUE_BUTTON{0x1769BD, 0x3A90E8, 0x10447A};
inline constexpr t_colours UNDO_BUTTON{0xBDBF2F, 0xF0F23C, 0x8B8C23};
inline constexpr t_colours FLIP_BUTTON{0x536B90, 0x7090C2, 0x263142};

// Background "menu_set_team.jpg" and the wide title every tactics screen shows.
void add_tactics_backdrop(t_game_mode& screen, const std::string& title);
