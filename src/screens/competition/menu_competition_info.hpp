#pragma once
// The league and cup information screens.
#include <string>

#include "core/game_mode.hpp"
#include "football/competition.hpp"

// The season as the info screens show it: the two months, or the fixed pitch type.
std::string season_caption(const t_competition& comp);

// The rules of the league in progress, read only.
class MenuLeagueInfo : public t_game_mode {
public:
    MenuLeagueInfo();
};

// The rules of the cup in progress and its rounds, read only.
class MenuCupInfo : public t_game_mode {
public:
    MenuCupInfo();
};
