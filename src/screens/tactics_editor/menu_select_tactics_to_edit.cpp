#include "screens/tactics_editor/menu_select_tactics_to_edit.hpp"

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "screens/tactics_editor/tactics_editing.hpp"
#include "screens/tactics_editor/tactics_screen_style.hpp"
#include "ui/menu.hpp"

t_menu_select_tactics_to_edit::t_menu_select_tactics_to_edit() {
    add_tactics_backdrop(*this, "");
    // This screen's title is the narrow one.
    widgets.back()->set_geometry(312, 40, 400, 40);
    widgets.back()->set_text(translate("EDIT TACTICS"), 0, 14);
    for (int i = 12; i < TACTICS_SLOTS; ++i) {
        auto b = add_action_button(*this, CHOICE_GREEN, 342, 75 * i - 700, 340, 40, tactics_names[static_cast<size_t>(i)],
                                   "bc_edit_tactics", &t_menu_select_tactics_to_edit::bc_edit_tactics,
                                   {std::to_string(i)});
        if (i == 12) selected_widget = b;
    }
    exit_widget = add_action_button(*this, EXIT_COLOURS, 422, 700, 180, 34, translate("EXIT"), "bc_exit", &t_menu_select_tactics_to_edit::bc_exit);
}

void t_menu_select_tactics_to_edit::bc_edit_tactics(int n) {
    if (n < 12 || n >= TACTICS_SLOTS) return;
    menu.tactics_to_edit = n;
    menu.edited_tactics = t_tactics();
    menu.edited_tactics.copy(tactics[static_cast<size_t>(n)]);
    menu.tactics_undo = t_tactics_stack();
    action_queue->push(ACTION_NEW_SCREEN, MODE_EDIT_TACTICS);
}

void t_menu_select_tactics_to_edit::bc_exit() { action_queue->push(ACTION_NEW_SCREEN, tactics_leave_mode()); }
