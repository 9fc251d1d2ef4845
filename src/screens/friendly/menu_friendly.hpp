#pragma once
// The friendly menu: substitutes, bench size and the kind of teams.
#include "core/game_mode.hpp"
#include "ui/menu_toolkit.hpp"

// Substitutes, bench size and the family of teams of a friendly.
class MenuFriendly : public t_game_mode {
public:
    MenuFriendly();

    void bc_substitutes(int step);
    void bc_bench_size(int step);
    void bc_club_teams();
    void bc_national_teams();
    void bc_custom_teams();

    void update_value_buttons();

    t_button_ref w_substitutes;
    t_button_ref w_bench_size;
};

// Substitutes allowed between 2 and the bench size.
int next_substitutions(int substitutions, int bench_size, int step);
// A smaller bench pulls the substitutes down with it; returns the new bench size.
int next_bench_size(int bench_size, int& substitutions, int step);
