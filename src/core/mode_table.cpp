#include <array>

#include "core/game.hpp"
#include "platform/fatal.hpp"
#include "match/core/match_screens.hpp"
#include "screens/competition/competition_screens.hpp"
#include "screens/editors/editor_screens.hpp"
#include "screens/friendly/friendly_screens.hpp"
#include "screens/main_menu/main_menu_screens.hpp"
#include "screens/not_built_screen.hpp"
#include "screens/notice/menu_intro.hpp"
#include "screens/tactics_editor/tactics_editor_screens.hpp"

namespace {
// Class names of every mode, index = mode number.
constexpr std::array<const char*, 77> MODE_CLASSES = {
    "",
    "MenuMain", "MenuGameOptions", "MenuMatchOptions", "MenuControl", "MenuFriendly", "MenuDiyCompetition",
    "MenuEditTeams", "MenuClubsConfederation", "MenuClubsCountry", "MenuClubsDivision", "MenuNationalsConfederation",
    "MenuSelectTeams", "MenuSelectTeamToEdit", "MenuViewSelectedTeams", "MenuSetTeam", "MenuEditPlayers",
    "MenuEditTeam", "MenuMatchPresentation", "MenuReplayMatch", "MenuDesignDiyLeague", "MenuPlayLeague",
    "MenuViewStatistics", "MenuTopScorers", "MenuLeagueInfo", "MenuSelectSquadToView", "MenuViewTeam",
    "MenuCompetitionWarning", "MenuDesignDiyCup", "MenuPlayCup", "MenuCupInfo", "MatchLoading", "MenuTestMatch",
    "MenuIntro", "MenuCopying", "MenuWarranty", "t_match_intro", "t_match_starting_positions", "t_match_kick_off",
    "t_match_main", "t_match_goal", "t_match_corner_stop", "t_match_corner_positions", "t_match_corner_kick",
    "t_match_goal_kick_stop", "t_match_goal_kick_positions", "t_match_goal_kick", "t_match_keeper_stop",
    "t_match_keeper_wait", "t_match_keeper_kick", "t_match_throw_in_stop", "t_match_throw_in_positions",
    "t_match_throw_in", "t_match_half_time_stop", "t_match_half_time_positions", "t_match_half_time_wait",
    "t_match_full_time_stop", "t_match_extra_time_stop", "t_match_half_extra_time_stop",
    "t_match_full_extra_time_stop", "t_match_bench_enter", "t_match_bench_substitutions", "t_match_bench_formation",
    "t_match_bench_tactics", "t_match_bench_exit", "t_match_replay", "t_match_end_positions", "t_match_end",
    "t_match_show_highlight", "t_menu_select_tactics_to_edit", "t_menu_edit_tactics", "t_menu_tactics_save_warning",
    "t_menu_save_tactics", "t_menu_tactics_abort_warning", "t_menu_tactics_import", "t_menu_tactics_load", ""};
} // namespace

std::unique_ptr<t_game_mode> make_mode(int32_t mode) {
    switch (mode) {
    case 33: return std::make_unique<MenuIntro>();
    case 34: return std::make_unique<MenuCopying>();
    case 35: return std::make_unique<MenuWarranty>();
    default: break;
    }
    if (mode < 1 || mode > 75) runtime_error("invalid game mode");
    using t_family = std::unique_ptr<t_game_mode> (*)(int32_t);
    for (const t_family family : {make_main_menu_screen, make_friendly_screen, make_competition_screen,
                                  make_editor_screen, make_tactics_editor_screen, make_match_screen})
        if (auto screen = family(mode)) return screen;
    return std::make_unique<t_not_built_screen>(mode, MODE_CLASSES[static_cast<size_t>(mode)]);
}
