#pragma once
// The screens that lead to a list of teams: confederation, country and division.
#include "core/game_mode.hpp"

class MenuClubsConfederation : public t_game_mode {
public:
    MenuClubsConfederation();

    void bc_confederation(int index);
    void bc_abort();
};

class MenuNationalsConfederation : public t_game_mode {
public:
    MenuNationalsConfederation();

    void bc_confederation(int file_index);
    void bc_abort();
};

class MenuClubsCountry : public t_game_mode {
public:
    MenuClubsCountry();

    void bc_country(int file_index);
};

class MenuClubsDivision : public t_game_mode {
public:
    MenuClubsDivision();

    void bc_division(int division);
};

// The team list, or the team-to-edit list when teams are being edited.
int team_list_mode(int status);
