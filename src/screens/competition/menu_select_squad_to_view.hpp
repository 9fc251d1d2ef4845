#pragma once
// Choosing a team of the competition whose squad to view.
#include <string>
#include <vector>

#include "core/game_mode.hpp"

struct t_squad_place {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool small = false;
};
// Where the team buttons go: the selection screens' grid up to 24 teams, four columns beyond.
std::vector<t_squad_place> squad_grid(int n);

// One button per team of the competition; each opens that team's squad.
class MenuSelectSquadToView : public t_game_mode {
public:
    MenuSelectSquadToView();
    void bc_team(int index, const std::string& name);
};
