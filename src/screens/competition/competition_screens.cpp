#include "screens/competition/competition_screens.hpp"

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
bool playing(int typ) { return competition && competition->typ == typ; }
} // namespace

std::unique_ptr<t_game_mode> make_competition_screen(int32_t mode) {
    switch (mode) {
    case 6: return std::make_unique<MenuDiyCompetition>();
    case 20: return std::make_unique<MenuDesignDiyLeague>();
    // The play screens need their competition; without one the main menu stands in.
    case 21: return playing(COMPETITION_LEAGUE) ? std::unique_ptr<t_game_mode>(std::make_unique<MenuPlayLeague>())
                                                : std::make_unique<MenuMain>();
    case 22: return std::make_unique<MenuViewStatistics>();
    case 23: return std::make_unique<MenuTopScorers>();
    case 24: return std::make_unique<MenuLeagueInfo>();
    case 25: return std::make_unique<MenuSelectSquadToView>();
    case 26: return std::make_unique<MenuViewTeam>();
    case 27: return std::make_unique<MenuCompetitionWarning>();
    case 28: return std::make_unique<MenuDesignDiyCup>();
    case 29: return playing(COMPETITION_CUP) ? std::unique_ptr<t_game_mode>(std::make_unique<MenuPlayCup>())
                                             : std::make_unique<MenuMain>();
    case 30: return std::make_unique<MenuCupInfo>();
    default: return nullptr;
    }
}
