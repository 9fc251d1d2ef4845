#pragma once
// A competition team's squad with each player's goals.
#include <array>
#include <memory>

#include "core/game_mode.hpp"
#include "football/team.hpp"
#include "screens/friendly/lineup.hpp"
#include "ui/board.hpp"
#include "ui/face_button.hpp"
#include "ui/flag_button.hpp"
#include "ui/picture.hpp"

// A competition team's squad as the line-up screen shows it, with each player's goals; read only.
class MenuViewTeam : public t_game_mode {
public:
    MenuViewTeam();

    t_team_ref team;
    t_image_ref img_hflag;
    t_image_ref img_pflags;
    t_image_ref img_ucode10y;
    t_image_ref img_stars;

private:
    void add_player_row(int row);
};
