#include "screens/tactics_editor/tactics_editor_screens.hpp"

#include "screens/tactics_editor/menu_edit_tactics.hpp"
#include "screens/tactics_editor/menu_save_tactics.hpp"
#include "screens/tactics_editor/menu_select_tactics_to_edit.hpp"
#include "screens/tactics_editor/menu_tactics_import.hpp"
#include "screens/tactics_editor/menu_tactics_load.hpp"
#include "screens/tactics_editor/menu_tactics_warnings.hpp"

std::unique_ptr<t_game_mode> make_tactics_editor_screen(int32_t mode) {
    switch (mode) {
    case 69: return std::make_unique<t_menu_select_tactics_to_edit>();
    case 70: return std::make_unique<t_menu_edit_tactics>();
    case 71: return std::make_unique<t_menu_tactics_save_warning>();
    case 72: return std::make_unique<t_menu_save_tactics>();
    case 73: return std::make_unique<t_menu_tactics_abort_warning>();
    case 74: return std::make_unique<t_menu_tactics_import>();
    case 75: return std::make_unique<t_menu_tactics_load>();
    default: return nullptr;
    }
}
