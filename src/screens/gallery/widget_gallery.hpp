#pragma once
// A screen showing every kind of widget, for looking at them.
#include <memory>

#include "core/game_mode.hpp"
#include "football/player.hpp"
#include "football/team.hpp"
#include "ui/board.hpp"
#include "ui/button.hpp"
#include "ui/fader.hpp"
#include "ui/input_button.hpp"

// Every kind of widget on one screen, for looking at the toolkit's drawing
// (opened with --screen gallery). Escape leaves the game.
class t_widget_gallery : public t_game_mode {
public:
    t_widget_gallery();
    void update() override;

    std::shared_ptr<t_button> selected_button;
    std::shared_ptr<t_fader> panel;
    std::shared_ptr<t_input_button> entry;
    std::shared_ptr<t_board> board;
    std::shared_ptr<t_player> flag_player;
    t_team_ref team_a;
    t_team_ref team_b;
};
