#include "screens/tactics_editor/tactics_editor_screens.hpp"

std::unique_ptr<t_game_mode> make_tactics_editor_screen(int32_t /*mode*/) { return nullptr; }
