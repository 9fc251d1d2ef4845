#pragma once
// Loading tactics from the saved files.
#include <memory>
#include <string>

#include "core/game_mode.hpp"
#include "ui/button.hpp"

// Mode 75: load the tactics under edit from a saved file.
class t_menu_tactics_load : public t_game_mode {
public:
    t_menu_tactics_load();

    void bc_load(const std::string& name);

    std::string file_name;

private:
    std::shared_ptr<t_button> message_;
};
