#pragma once
// The tactics editor: the board, the ball zone and each player's place.
#include <array>
#include <map>
#include <memory>

#include "core/game_mode.hpp"
#include "football/team.hpp"
#include "screens/tactics_editor/piece.hpp"
#include "ui/button.hpp"
#include "ui/face_button.hpp"
#include "ui/flag_button.hpp"
#include "ui/label.hpp"
#include "ui/picture.hpp"
#include "ui/player_row.hpp"

// Mode 70: the board of one user tactic, zone by zone, beside the squad.
class t_menu_edit_tactics : public t_game_mode {
public:
    static constexpr int ROWS = 32;

    t_menu_edit_tactics();

    void bc_update_ball_zone();
    void bc_ball();
    void bc_update_ball_copy_zone();
    void bc_ball_copy();
    void bc_update_player_zone(int i);
    void bc_player(int i);
    void bc_pair_player(int row);
    void bc_select_player(int row);
    void bc_copy();
    void bc_flip();
    void bc_undo();
    void bc_import();
    void bc_save_exit();
    void bc_abort();

    void update_ball_piece();
    void update_ball_copy_piece();
    void update_player_pieces();
    void update_player_buttons();
    void push_undo_stack();
    void update_copy_button();
    void update_flip_button();
    void update_undo_button();
    void set_player_widget_color(t_widget& widget, int row);
    void set_player_flip_color(t_widget& widget, int row);

    int copy_mode = 0;
    t_team_ref team;
    int selected_for_swap = -1;
    int selected_for_pair = -1;
    t_vec2d ball_zone;
    t_vec2d ball_copy_zone;
    t_image_ref img_pflags, img_number, img_ball, img_copy_ball, img_pieces, img_stars, img_ucode10y, img_player_shadow,
        img_keeper_shadow;
    std::shared_ptr<t_picture> w_tactics_board;
    std::shared_ptr<t_ball_piece> w_ball, w_ball_copy;
    std::array<std::shared_ptr<t_player_piece>, 11> w_player;
    std::array<t_player_row, ROWS> rows;
    std::shared_ptr<t_button> w_copy, w_flip, w_undo, w_save_exit;

private:
    struct t_look {
        t_image_ref body, hair;
    };
    const t_look& look_of(const std::shared_ptr<t_player>& p);
    std::map<const t_player*, t_look> looks_;
};
