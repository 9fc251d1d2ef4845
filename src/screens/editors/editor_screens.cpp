#include "screens/editors/editor_screens.hpp"

#include "core/screen_modes.hpp"
#include "screens/editors/menu_edit_players.hpp"
#include "screens/editors/menu_edit_team.hpp"
#include "screens/editors/menu_edit_teams.hpp"
#include "screens/editors/menu_select_team_to_edit.hpp"

std::unique_ptr<t_game_mode> make_editor_screen(int32_t mode) {
    switch (mode) {
    case MODE_EDIT_TEAMS: return std::make_unique<MenuEditTeams>();
    case MODE_SELECT_TEAM_TO_EDIT: return std::make_unique<MenuSelectTeamToEdit>();
    case MODE_EDIT_PLAYERS: return std::make_unique<MenuEditPlayers>();
    case MODE_EDIT_TEAM: return std::make_unique<MenuEditTeam>();
    default: return nullptr;
    }
}
