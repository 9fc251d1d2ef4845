#include "screens/friendly/friendly_screens.hpp"

#include "screens/friendly/menu_friendly.hpp"
#include "screens/friendly/menu_match_presentation.hpp"
#include "screens/friendly/menu_select_teams.hpp"
#include "screens/friendly/menu_set_team.hpp"
#include "screens/friendly/menu_team_families.hpp"

std::unique_ptr<t_game_mode> make_friendly_screen(int32_t mode) {
    switch (mode) {
    case 5: return std::make_unique<MenuFriendly>();
    case 8: return std::make_unique<MenuClubsConfederation>();
    case 9: return std::make_unique<MenuClubsCountry>();
    case 10: return std::make_unique<MenuClubsDivision>();
    case 11: return std::make_unique<MenuNationalsConfederation>();
    case 12: return std::make_unique<MenuSelectTeams>();
    case 14: return std::make_unique<MenuViewSelectedTeams>();
    case 15: return std::make_unique<MenuSetTeam>();
    case 18: return std::make_unique<MenuMatchPresentation>();
    default: return nullptr;
    }
}
