#include "screens/competition/competition_screens.hpp"

#include "core/screen_modes.hpp"
#include "football/competition.hpp"
#include "screens/competition/menu_competition_info.hpp"
#include "screens/competition/menu_competition_warning.hpp"
#include "screens/competition/menu_design_diy_cup.hpp"
#include "screens/competition/menu_design_diy_league.hpp"
#include "screens/competition/menu_diy_competition.hpp"
#include "screens/competition/menu_play_cup.hpp"
#include "screens/competition/menu_play_league.hpp"
#include "screens/competition/menu_select_squad_to_view.hpp"
#include "screens/competition/menu_top_scorers.hpp"
#include "screens/competition/menu_view_statistics.hpp"
#include "screens/competition/menu_view_team.hpp"
#include "screens/main_menu/menu_main.hpp"

namespace {
// The play screens need their competition; without one the main menu stands in.
template <typename T> std::unique_ptr<t_game_mode> play_screen(int typ) {
    if (competition && competition->typ == typ) return std::make_unique<T>();
    return std::make_unique<MenuMain>();
}
} // namespace

std::unique_ptr<t_game_mode> make_competition_screen(int32_t mode) {
    switch (mode) {
    case MODE_DIY_COMPETITION: return std::make_unique<MenuDiyCompetition>();
    case MODE_DESIGN_DIY_LEAGUE: return std::make_unique<MenuDesignDiyLeague>();
    case MODE_PLAY_LEAGUE: return play_screen<MenuPlayLeague>(COMPETITION_LEAGUE);
    case MODE_VIEW_STATISTICS: return std::make_unique<MenuViewStatistics>();
    case MODE_TOP_SCORERS: return std::make_unique<MenuTopScorers>();
    case MODE_LEAGUE_INFO: return std::make_unique<MenuLeagueInfo>();
    case MODE_SELECT_SQUAD_TO_VIEW: return std::make_unique<MenuSelectSquadToView>();
    case MODE_VIEW_TEAM: return std::make_unique<MenuViewTeam>();
    case MODE_COMPETITION_WARNING: return std::make_unique<MenuCompetitionWarning>();
    case MODE_DESIGN_DIY_CUP: return std::make_unique<MenuDesignDiyCup>();
    case MODE_PLAY_CUP: return play_screen<MenuPlayCup>(COMPETITION_CUP);
    case MODE_CUP_INFO: return std::make_unique<MenuCupInfo>();
    default: return nullptr;
    }
}
