#include "screens/friendly/friendly_screens.hpp"

#include "core/screen_modes.hpp"
#include "screens/friendly/menu_friendly.hpp"
#include "screens/friendly/menu_match_presentation.hpp"
#include "screens/friendly/menu_select_teams.hpp"
#include "screens/friendly/menu_set_team.hpp"
#include "screens/friendly/menu_team_families.hpp"

std::unique_ptr<t_game_mode> make_friendly_screen(int32_t mode) {
    switch (mode) {
    case MODE_FRIENDLY: return std::make_unique<MenuFriendly>();
    case MODE_CLUBS_CONFEDERATION: return std::make_unique<MenuClubsConfederation>();
    case MODE_CLUBS_COUNTRY: return std::make_unique<MenuClubsCountry>();
    case MODE_CLUBS_DIVISION: return std::make_unique<MenuClubsDivision>();
    case MODE_NATIONALS_CONFEDERATION: return std::make_unique<MenuNationalsConfederation>();
    case MODE_SELECT_TEAMS: return std::make_unique<MenuSelectTeams>();
    case MODE_VIEW_SELECTED_TEAMS: return std::make_unique<MenuViewSelectedTeams>();
    case MODE_SET_TEAM: return std::make_unique<MenuSetTeam>();
    case MODE_MATCH_PRESENTATION: return std::make_unique<MenuMatchPresentation>();
    default: return nullptr;
    }
}
