#pragma once
// One squad row (face, number, name, nationality, role, best skills, price stars) and the squad row colours.
#include <array>
#include <memory>

#include "core/game_mode.hpp"
#include "football/player.hpp"
#include "ui/face_button.hpp"
#include "ui/flag_button.hpp"
#include "ui/menu_toolkit.hpp"
#include "ui/picture.hpp"

constexpr int SQUAD_STARTERS = 11;

// What differs between the screens that list a squad.
struct t_player_row_look {
    int x = 0; // left edge of the face
    int height = 0;
    int stars_dy = 0; // the stars sit this far below the row's top
    int code_align = ALIGN_CENTRE;
    t_image_ref img_pflags;
    t_image_ref img_skill_font;
    t_image_ref img_stars;
};

// The cells of a row, appended to the screen in drawing order; the screen binds and colours them.
class t_player_row {
public:
    t_player_row() = default;
    t_player_row(t_game_mode& screen, const t_player_row_look& look, int y);

    // Shows `player`, or blanks the row. Club rows show the nationality, as a flag when flags are on;
    // the role column moves right to make room for it.
    void show(const std::shared_ptr<t_player>& player, bool club);
    // The same colours on every cell.
    void paint(t_colours colours);
    // Hides every cell (a row past the squad where the screen shows nothing).
    void hide();

    std::shared_ptr<t_face_button> face;
    t_button_ref number;
    t_button_ref name;
    std::shared_ptr<t_flag_button> flag;
    t_button_ref code;
    t_button_ref role;
    std::array<t_button_ref, 3> skills;
    std::shared_ptr<t_picture> stars;

private:
    int x_ = 0;
    int y_ = 0;
    int stars_dy_ = 0;
};

// The name as a squad row shows it.
std::string row_player_name(const t_player& player);
// Colours of squad row `row` (1 = the keeper): keeper, starters, bench, reserves, rows past the squad,
// or the marked colours.
t_colours squad_row_colours(int row, int squad_size, int bench_size, bool marked);
