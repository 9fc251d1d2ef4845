#include "screens/tactics_editor/menu_save_tactics.hpp"

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "screens/tactics_editor/tactics_editing.hpp"
#include "screens/tactics_editor/tactics_file_list.hpp"
#include "screens/tactics_editor/tactics_screen_style.hpp"
#include "ui/menu.hpp"

namespace {
constexpr t_colours FILENAME_LABEL{0x9C522A, 0xBB5A25, 0x69381D};
} // namespace

t_menu_save_tactics::t_menu_save_tactics() {
    define_method("bc_save", [this](const t_method_args& a) { bc_save(a.empty() ? "" : a[0]); });
    define_void_method("bc_update_file_name", [this] { bc_update_file_name(); });
    const auto slot = static_cast<size_t>(menu.tactics_to_edit);
    // A slot name such as "USER 1" is not a file name; offer the nearest one that is.
    file_name = file_name_from(tactics_names[slot]);
    if (file_name.empty()) file_name = "USER" + std::to_string(menu.tactics_to_edit - 11);

    add_tactics_backdrop(*this, translate("SAVE TACTICS"));
    add_tactics_file_list(*this, "bc_save");
    auto label = add_widget(*this, FILENAME_LABEL, 352, 500, 160, 30, translate("FILENAME") + ":", -1, 10);
    label->active = 0;
    input_ = add_widget<t_file_name_input>(*this, BLUE_BUTTON, 512, 500, 160, 30, file_name, 1, 10);
    input_->set_entry_limit(8);
    input_->bind("on_update", "bc_update_file_name");
    selected_widget = add_button(*this, SAVE_BUTTON, 422, 610, 180, 34, translate("SAVE"), "bc_save", {""});
    add_button(*this, EXIT_BUTTON, 422, 680, 180, 34, translate("ABORT"),
               "bc_set_menu", {std::to_string(MODE_EDIT_TACTICS)});
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
