#pragma once
// The line-up screen: players, tactics, control and input device of a team.
#include <array>

#include "core/game_mode.hpp"
#include "screens/friendly/lineup.hpp"
#include "ui/board.hpp"
#include "ui/face_button.hpp"
#include "ui/flag_button.hpp"
#include "ui/label.hpp"
#include "ui/picture.hpp"
#include "ui/player_row.hpp"

// The line-up of a human side before the match: order, tactics, control and input device.
class MenuSetTeam : public t_game_mode {
public:
    MenuSetTeam();

    void bc_select_player(int row);
    void bc_tactics(int index);
    void bc_compare_tactics();
    void bc_view_opponent();
    void bc_edit_tactics();
    void bc_control_mode();
    void bc_input_device();
    void bc_play_match();
    void bc_exit();

    void update_player_buttons();
    void update_tactics_buttons();
    void update_captions();
    bool showing_own() const { return current_team == own_team; }

    t_team_ref own_team;
    t_team_ref opponent_team;
    t_team_ref current_team;
    t_image_ref img_hflag;
    t_image_ref img_aflag;
    t_image_ref img_pflags;
    t_image_ref img_stars;
    t_image_ref img_controls;
    t_image_ref img_ucode10y;
    int selected_ply = 0;
    int compare_tactics = 0;
    std::shared_ptr<t_board> board;

    std::array<t_player_row, LINEUP_ROWS> rows;
    std::array<t_button_ref, 18> w_tactics;
    t_button_ref w_compare_tactics;
    t_button_ref w_opponent_team;
    t_button_ref w_edit_tactics;
    t_button_ref w_control_mode;
    t_button_ref w_input_device;
    t_button_ref w_play_match;
    t_button_ref w_how_to_play;
    t_button_ref w_exit;
    t_button_ref w_team_name;
    std::shared_ptr<t_picture> w_clnf;
    t_button_ref w_cnnc;
    std::shared_ptr<t_picture> w_cnnc_flag;
    std::shared_ptr<t_label> w_coach_name;
    std::shared_ptr<t_picture> w_input_device_icon;
};

// A team's menu faces and crest, made once for the menus.
void prepare_team_pictures(t_team& team);
// The mode a screen of the friendly or competition returns to.
int lineup_return_mode();
