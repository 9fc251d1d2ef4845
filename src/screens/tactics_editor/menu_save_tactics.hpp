#pragma once
// Saving the edited tactics under a file name.
#include <memory>
#include <string>

#include "core/game_mode.hpp"
#include "screens/tactics_editor/file_name_input.hpp"
#include "ui/button.hpp"

// Mode 72: save the tactics under edit to a file of up to 8 characters.
class t_menu_save_tactics : public t_game_mode {
public:
    t_menu_save_tactics();

    void bc_save(const std::string& name);
    void bc_update_file_name();

    std::string file_name;

private:
    std::shared_ptr<t_file_name_input> input_;
    std::shared_ptr<t_button> message_;
};
