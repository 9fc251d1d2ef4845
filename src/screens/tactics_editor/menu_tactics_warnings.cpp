#include "screens/tactics_editor/menu_tactics_warnings.hpp"

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "screens/tactics_editor/tactics_editing.hpp"
#include "screens/tactics_editor/tactics_screen_style.hpp"
#include "ui/menu.hpp"

t_menu_tactics_save_warning::t_menu_tactics_save_warning() {
    add_tactics_backdrop(*this, translate("SAVE TACTICS"));
    auto box = add_widget(*this, ACTION_BLUE, 202, 260, 620, 180, translate("TACTICS HAVE BEEN CHANGED"));
    box->active = 0;
    selected_widget = add_action_button(*this, SAVE_GREEN, 422, 610, 180, 34, translate("SAVE"), "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_SAVE_TACTICS)});
    exit_widget = add_action_button(*this, EXIT_COLOURS, 422, 680, 180, 34, translate("EXIT"), "bc_exit", &t_menu_tactics_save_warning::bc_exit);
}

void t_menu_tactics_save_warning::bc_exit() {
    tactics[static_cast<size_t>(menu.tactics_to_edit)].copy(menu.edited_tactics);
    action_queue->push(ACTION_NEW_SCREEN, tactics_leave_mode());
}

t_menu_tactics_abort_warning::t_menu_tactics_abort_warning() {
    add_tactics_backdrop(*this, translate("EDIT TACTICS"));
    auto box = add_widget(*this, PLAY_RED, 202, 260, 620, 180, translate("EDITED TACTICS WILL BE LOST"));
    box->active = 0;
    selected_widget = add_action_button(*this, SAVE_GREEN, 422, 610, 180, 34, translate("CONTINUE"), "bc_continue", &t_menu_tactics_abort_warning::bc_continue);
    add_action_button(*this, EXIT_COLOURS, 422, 680, 180, 34, translate("ABORT"), "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_EDIT_TACTICS)});
}

void t_menu_tactics_abort_warning::bc_continue() { action_queue->push(ACTION_NEW_SCREEN, tactics_leave_mode()); }
