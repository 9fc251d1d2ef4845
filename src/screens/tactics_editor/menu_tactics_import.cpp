#include "screens/tactics_editor/menu_tactics_import.hpp"

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "screens/tactics_editor/tactics_screen_style.hpp"
#include "ui/menu.hpp"

t_menu_tactics_import::t_menu_tactics_import() {
    add_tactics_backdrop(*this, translate("IMPORT TACTICS"));
    for (int i = 0; i < PRESET_COUNT; ++i) {
        auto b = add_action_button(*this, FILE_BROWN, -186 + 126 * (i % 3) + 512, 40 * (i / 3) + 220, 120, 34,
                                   tactics_names[static_cast<size_t>(i)], "bc_import", &t_menu_tactics_import::bc_import,
                                   {std::to_string(i)}, SMALL_FONT);
        if (i == 1) selected_widget = b;
    }
    for (int i = 12; i < TACTICS_SLOTS; ++i)
        add_action_button(*this, FILE_BROWN, 326 + 189 * ((i - 12) % 2), 380 + 40 * ((i - 12) / 2), 183, 34,
                          tactics_names[static_cast<size_t>(i)], "bc_import", &t_menu_tactics_import::bc_import,
                          {std::to_string(i)}, SMALL_FONT);
    add_action_button(*this, ORCHID, 326, 500, 372, 34, translate("LOAD"), "bc_load",
                      [] { action_queue->push(ACTION_NEW_SCREEN, MODE_TACTICS_LOAD); });
    exit_widget = add_action_button(*this, EXIT_COLOURS, 422, 680, 180, 34, translate("EXIT"), "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_EDIT_TACTICS)});
}

void t_menu_tactics_import::bc_import(int i) {
    if (i < 0 || i >= TACTICS_SLOTS) return;
    menu.tactics_undo.push(menu.edited_tactics);
    // A user slot holds its own tactics (its file name only names the preset it started from).
    if (i < PRESET_COUNT) menu.edited_tactics.load_file("tactics/preset/" + tactics_file_names[static_cast<size_t>(i)] + ".TAC");
    else menu.edited_tactics.copy(tactics[static_cast<size_t>(i)]);
    action_queue->push(ACTION_NEW_SCREEN, MODE_EDIT_TACTICS);
}
