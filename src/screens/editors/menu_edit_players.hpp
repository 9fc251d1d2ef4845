#pragma once
// The player editor: names, numbers, roles, skills, prices, faces and hair.
#include <array>
#include <memory>

#include "core/game_mode.hpp"
#include "football/team.hpp"
#include "platform/image.hpp"
#include "ui/button.hpp"
#include "ui/face_button.hpp"
#include "ui/flag_button.hpp"
#include "ui/input_button.hpp"

// Mode 16: every player of the team under edit, one row each.
class MenuEditPlayers : public t_game_mode {
public:
    static constexpr int ROWS = 32;
    using t_row_buttons = std::array<std::shared_ptr<t_button>, ROWS + 1>; // index = row, 0 unused

    MenuEditPlayers();

    void bc_hair_color(int row, int step);
    void bc_hair_style(int row, int step);
    void bc_skin_color(int row, int step);
    void bc_select_player(int row);
    void bc_number(int row, int step);
    void bc_update_name(int row);
    void bc_update_surname(int row);
    void bc_nationality(int row, int step);
    void bc_type(int row, int step);
    // skill: 0..6 for pa, sh, he, ta, bc, sp, fi.
    void bc_skill(int row, int skill, int step);
    void bc_price(int row, int step);
    void bc_update_team_name();
    void bc_new_player();
    void bc_delete_player();
    void bc_save();

    void update_row(int row);
    void update_rows();
    void update_squad_buttons();
    void update_save_button();
    void menu_modified();

    t_team_ref edited_team;
    t_image_ref img_skill;
    t_image_ref img_pflags;
    int selected_ply = 0;
    t_row_buttons w_hair_color, w_hair_style, w_skin_color, w_number, w_type, w_price;
    std::array<std::shared_ptr<t_face_button>, ROWS + 1> w_face;
    std::array<std::shared_ptr<t_input_button>, ROWS + 1> w_name, w_surname;
    std::array<std::shared_ptr<t_flag_button>, ROWS + 1> w_nationality;
    // w_skill[s][row]: passing, shooting, heading, tackling, ball control, speed, finishing.
    std::array<t_row_buttons, 7> w_skill;
    std::shared_ptr<t_input_button> w_team_name;
    std::shared_ptr<t_button> w_new_player, w_delete_player, w_save, w_message;
};
