#pragma once
// The team editor: names, city, stadium, coach, tactics and kits.
#include <array>
#include <memory>

#include "core/game_mode.hpp"
#include "football/team.hpp"
#include "screens/editors/player_kit.hpp"
#include "ui/board.hpp"
#include "ui/button.hpp"
#include "ui/face_button.hpp"
#include "ui/fader.hpp"
#include "ui/input_button.hpp"
#include "ui/label.hpp"
#include "ui/picture.hpp"

// Mode 17: the team's own data, its tactics and its kits.
class MenuEditTeam : public t_game_mode {
public:
    // Sixteen rows fit under the board; a squad of up to 32 is shown in two pages of them.
    static constexpr int ROWS = 16;
    static constexpr int PAGES = 2;
    static constexpr int KIT_COLOURS = 4;

    MenuEditTeam();

    // `row` is the squad's row (1..32) whichever page shows it.
    void bc_select_player(int row);
    void bc_page(int index);
    void bc_tactics(int index);
    void bc_update_team_name();
    void bc_update_city();
    void bc_update_stadium();
    void bc_update_coach_name();
    void bc_kit_style(int step);
    // colour: 0 shirt 1, 1 shirt 2, 2 shorts, 3 socks.
    void bc_kit_colour(int colour, int step);
    void bc_select_kit(int index);
    void bc_new_kit();
    void bc_delete_kit();
    void bc_save();

    void update_rows();
    void update_page_buttons();
    void update_tactics_buttons();
    void update_kit_buttons();
    void update_save_button();
    void menu_modified();

    t_team_ref edited_team;
    int selected_ply = 0;
    int page = 0;
    std::array<std::shared_ptr<t_face_button>, ROWS + 1> w_face;
    std::array<std::shared_ptr<t_button>, ROWS + 1> w_number, w_name_surname, w_type, w_row;
    std::array<std::shared_ptr<t_button>, PAGES> w_page;
    std::array<std::shared_ptr<t_button>, 18> w_tactics;
    std::array<std::shared_ptr<t_button>, 5> w_kit;
    std::array<std::shared_ptr<t_fader>, KIT_COLOURS> w_kit_swatch;
    std::shared_ptr<t_label> w_style_number;
    std::shared_ptr<t_player_kit> player_kit;
    std::shared_ptr<t_input_button> w_team_name, w_city, w_stadium, w_coach_name;
    std::shared_ptr<t_button> w_new_kit, w_delete_kit, w_save, w_message;
    std::shared_ptr<t_picture> w_clnf;
    std::shared_ptr<t_board> board;

private:
    void kit_changed(bool restyled);
};
