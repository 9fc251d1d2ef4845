#pragma once
// The list of teams to pick one for editing.
#include <memory>

#include "core/game_mode.hpp"
#include "ui/button.hpp"

// Mode 13: the teams of the chosen file and division; one is opened for editing.
class MenuSelectTeamToEdit : public t_game_mode {
public:
    MenuSelectTeamToEdit();

    void bc_team(int number);
    void bc_exit();

private:
    std::shared_ptr<t_button> message_;
};
