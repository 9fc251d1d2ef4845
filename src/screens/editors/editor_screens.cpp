#include "screens/editors/editor_screens.hpp"

#include "screens/editors/menu_edit_players.hpp"
#include "screens/editors/menu_edit_team.hpp"
#include "screens/editors/menu_edit_teams.hpp"
#include "screens/editors/menu_select_team_to_edit.hpp"

std::unique_ptr<t_game_mode> make_editor_screen(int32_t mode) {
    switch (mode) {
    case 7: return std::make_unique<MenuEditTeams>();
    case 13: return std::make_unique<MenuSelectTeamToEdit>();
    case 16: return std::make_unique<MenuEditPlayers>();
    case 17: return std::make_unique<MenuEditTeam>();
    default: return nullptr;
    }
}
