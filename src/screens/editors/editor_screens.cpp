#include "screens/editors/editor_screens.hpp"

std::unique_ptr<t_game_mode> make_editor_screen(int32_t /*mode*/) { return nullptr; }
