#include "screens/tactics_editor/menu_tactics_load.hpp"

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "screens/tactics_editor/tactics_editing.hpp"
#include "screens/tactics_editor/tactics_file_list.hpp"
#include "screens/tactics_editor/tactics_screen_style.hpp"
#include "ui/menu.hpp"

t_menu_tactics_load::t_menu_tactics_load() {
    add_tactics_backdrop(*this, translate("LOAD EDITED TACTICS"));
    const auto files = add_tactics_file_list(*this, "bc_load", [this](const std::string& name) { bc_load(name); });
    auto abort = add_action_button(*this, PLAY_RED, 422, 680, 180, 34, translate("ABORT"), "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_EDIT_TACTICS)});
    selected_widget = files.empty() ? abort : files.front();
    message_ = add_message_box(*this, 202, 610, 620, 44);
}

void t_menu_tactics_load::bc_load(const std::string& name) {
    file_name = name;
    t_tactics loaded = menu.edited_tactics;
    if (!load_tactics_checked(loaded, "tactics/" + name + ".TAC")) {
        show_message(*message_, translate("NOT A TACTICS FILE") + ": " + name);
        return;
    }
    menu.tactics_undo.push(menu.edited_tactics);
    menu.edited_tactics = loaded;
    tactics_names[static_cast<size_t>(menu.tactics_to_edit)] = name;
    action_queue->push(ACTION_NEW_SCREEN, MODE_EDIT_TACTICS);
}
