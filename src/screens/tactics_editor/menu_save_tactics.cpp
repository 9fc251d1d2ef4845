#include "screens/tactics_editor/menu_save_tactics.hpp"

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "screens/tactics_editor/tactics_editing.hpp"
#include "screens/tactics_editor/tactics_file_list.hpp"
#include "screens/tactics_editor/tactics_screen_style.hpp"
#include "ui/menu.hpp"

t_menu_save_tactics::t_menu_save_tactics() {
    const auto slot = static_cast<size_t>(menu.tactics_to_edit);
    // The slot's own name, less anything a file name cannot hold.
    file_name = file_name_from(tactics_names[slot]);
    if (file_name.empty()) file_name = "USER" + std::to_string(menu.tactics_to_edit - 11);

    add_tactics_backdrop(*this, translate("SAVE TACTICS"));
    add_tactics_file_list(*this, "bc_save", [this](const std::string& name) { bc_save(name); });
    auto label = add_widget(*this, FILE_NAME_BROWN, 352, 500, 160, 30, translate("FILENAME") + ":", 10, -1);
    label->active = 0;
    input_ = add_widget<t_file_name_input>(*this, ACTION_BLUE, 512, 500, 160, 30, file_name, 10, 1);
    input_->set_entry_limit(static_cast<int>(FILE_NAME_LIMIT));
    bind_callback(*input_, "on_update", "bc_update_file_name", &t_menu_save_tactics::bc_update_file_name);
    selected_widget = add_action_button(*this, SAVE_GREEN, 422, 610, 180, 34, translate("SAVE"), "bc_save", &t_menu_save_tactics::bc_save, {""});
    add_action_button(*this, EXIT_COLOURS, 422, 680, 180, 34, translate("ABORT"), "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_EDIT_TACTICS)});
    message_ = add_message_box(*this, 202, 550, 620, 44);
}

void t_menu_save_tactics::bc_update_file_name() { file_name = input_->text; }

void t_menu_save_tactics::bc_save(const std::string& chosen) {
    const std::string name = chosen.empty() ? file_name : chosen;
    if (name.empty()) return;
    t_tactics saved = menu.edited_tactics;
    saved.name = name;
    const std::string failed = save_tactics_safely(saved, "tactics/" + name + ".TAC");
    if (!failed.empty()) {
        show_message(*message_, translate("CANNOT SAVE TACTICS") + "\r\n" + failed);
        return;
    }
    menu.edited_tactics.name = name;
    const auto slot = static_cast<size_t>(menu.tactics_to_edit);
    tactics[slot].copy(menu.edited_tactics);
    tactics_names[slot] = name;
    action_queue->push(ACTION_NEW_SCREEN, tactics_leave_mode());
}
