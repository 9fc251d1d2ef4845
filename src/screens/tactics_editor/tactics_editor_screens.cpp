#include "screens/tactics_editor/tactics_editor_screens.hpp"

#include "core/screen_modes.hpp"
#include "screens/tactics_editor/menu_edit_tactics.hpp"
#include "screens/tactics_editor/menu_save_tactics.hpp"
#include "screens/tactics_editor/menu_select_tactics_to_edit.hpp"
#include "screens/tactics_editor/menu_tactics_import.hpp"
#include "screens/tactics_editor/menu_tactics_load.hpp"
#include "screens/tactics_editor/menu_tactics_warnings.hpp"

std::unique_ptr<t_game_mode> make_tactics_editor_screen(int32_t mode) {
    switch (mode) {
    case MODE_SELECT_TACTICS_TO_EDIT: return std::make_unique<t_menu_select_tactics_to_edit>();
    case MODE_EDIT_TACTICS: return std::make_unique<t_menu_edit_tactics>();
    case MODE_TACTICS_SAVE_WARNING: return std::make_unique<t_menu_tactics_save_warning>();
    case MODE_SAVE_TACTICS: return std::make_unique<t_menu_save_tactics>();
    case MODE_TACTICS_ABORT_WARNING: return std::make_unique<t_menu_tactics_abort_warning>();
    case MODE_TACTICS_IMPORT: return std::make_unique<t_menu_tactics_import>();
    case MODE_TACTICS_LOAD: return std::make_unique<t_menu_tactics_load>();
    default: return nullptr;
    }
}
