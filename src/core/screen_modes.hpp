#pragma once
// The number of every screen, menu or match phase, and the name of the class that plays it.
#include <array>
#include <cstdint>
#include <string_view>

// Screens push these numbers; they are fixed, so new screens are appended, never inserted.
enum t_screen_mode : int32_t {
    MODE_MAIN_MENU = 1,
    MODE_GAME_OPTIONS = 2,
    MODE_MATCH_OPTIONS = 3,
    MODE_CONTROL = 4,
    MODE_FRIENDLY = 5,
    MODE_DIY_COMPETITION = 6,
    MODE_EDIT_TEAMS = 7,
    MODE_CLUBS_CONFEDERATION = 8,
    MODE_CLUBS_COUNTRY = 9,
    MODE_CLUBS_DIVISION = 10,
    MODE_NATIONALS_CONFEDERATION = 11,
    MODE_SELECT_TEAMS = 12,
    MODE_SELECT_TEAM_TO_EDIT = 13,
    MODE_VIEW_SELECTED_TEAMS = 14,
    MODE_SET_TEAM = 15,
    MODE_EDIT_PLAYERS = 16,
    MODE_EDIT_TEAM = 17,
    MODE_MATCH_PRESENTATION = 18,
    MODE_REPLAY_MATCH = 19,
    MODE_DESIGN_DIY_LEAGUE = 20,
    MODE_PLAY_LEAGUE = 21,
    MODE_VIEW_STATISTICS = 22,
    MODE_TOP_SCORERS = 23,
    MODE_LEAGUE_INFO = 24,
    MODE_SELECT_SQUAD_TO_VIEW = 25,
    MODE_VIEW_TEAM = 26,
    MODE_COMPETITION_WARNING = 27,
    MODE_DESIGN_DIY_CUP = 28,
    MODE_PLAY_CUP = 29,
    MODE_CUP_INFO = 30,
    MODE_MATCH_LOADING = 31,
    MODE_TEST_MATCH = 32,
    MODE_INTRO = 33,
    MODE_COPYING = 34,
    MODE_WARRANTY = 35,
    MODE_MATCH_INTRO = 36,
    MODE_MATCH_STARTING_POSITIONS = 37,
    MODE_MATCH_KICK_OFF = 38,
    MODE_MATCH_MAIN = 39,
    MODE_MATCH_GOAL = 40,
    MODE_MATCH_CORNER_STOP = 41,
    MODE_MATCH_CORNER_POSITIONS = 42,
    MODE_MATCH_CORNER_KICK = 43,
    MODE_MATCH_GOAL_KICK_STOP = 44,
    MODE_MATCH_GOAL_KICK_POSITIONS = 45,
    MODE_MATCH_GOAL_KICK = 46,
    MODE_MATCH_KEEPER_STOP = 47,
    MODE_MATCH_KEEPER_WAIT = 48,
    MODE_MATCH_KEEPER_KICK = 49,
    MODE_MATCH_THROW_IN_STOP = 50,
    MODE_MATCH_THROW_IN_POSITIONS = 51,
    MODE_MATCH_THROW_IN = 52,
    MODE_MATCH_HALF_TIME_STOP = 53,
    MODE_MATCH_HALF_TIME_POSITIONS = 54,
    MODE_MATCH_HALF_TIME_WAIT = 55,
    MODE_MATCH_FULL_TIME_STOP = 56,
    MODE_MATCH_EXTRA_TIME_STOP = 57,
    MODE_MATCH_HALF_EXTRA_TIME_STOP = 58,
    MODE_MATCH_FULL_EXTRA_TIME_STOP = 59,
    MODE_MATCH_BENCH_ENTER = 60,
    MODE_MATCH_BENCH_SUBSTITUTIONS = 61,
    MODE_MATCH_BENCH_FORMATION = 62,
    MODE_MATCH_BENCH_TACTICS = 63,
    MODE_MATCH_BENCH_EXIT = 64,
    MODE_MATCH_REPLAY = 65,
    MODE_MATCH_END_POSITIONS = 66,
    MODE_MATCH_END = 67,
    MODE_MATCH_SHOW_HIGHLIGHT = 68,
    MODE_SELECT_TACTICS_TO_EDIT = 69,
    MODE_EDIT_TACTICS = 70,
    MODE_TACTICS_SAVE_WARNING = 71,
    MODE_SAVE_TACTICS = 72,
    MODE_TACTICS_ABORT_WARNING = 73,
    MODE_TACTICS_IMPORT = 74,
    MODE_TACTICS_LOAD = 75,
    MODE_QUIT = 76, // no screen: the main loop ends
    MODE_HOW_TO_PLAY = 77,
    MODE_MATCH_FREE_KICK_POSITIONS = 78,
    MODE_MATCH_FREE_KICK = 79,
    MODE_MATCH_PENALTY_POSITIONS = 80,
    MODE_MATCH_PENALTY_KICK = 81,
    MODE_MATCH_SHOOTOUT_POSITIONS = 82,
    MODE_MATCH_SHOOTOUT_KICK = 83,
};

struct t_screen_name {
    t_screen_mode mode;
    std::string_view class_name;
};

// Every screen in number order.
inline constexpr std::array<t_screen_name, MODE_MATCH_SHOOTOUT_KICK> SCREEN_NAMES = {{
    {MODE_MAIN_MENU, "MenuMain"},
    {MODE_GAME_OPTIONS, "MenuGameOptions"},
    {MODE_MATCH_OPTIONS, "MenuMatchOptions"},
    {MODE_CONTROL, "MenuControl"},
    {MODE_FRIENDLY, "MenuFriendly"},
    {MODE_DIY_COMPETITION, "MenuDiyCompetition"},
    {MODE_EDIT_TEAMS, "MenuEditTeams"},
    {MODE_CLUBS_CONFEDERATION, "MenuClubsConfederation"},
    {MODE_CLUBS_COUNTRY, "MenuClubsCountry"},
    {MODE_CLUBS_DIVISION, "MenuClubsDivision"},
    {MODE_NATIONALS_CONFEDERATION, "MenuNationalsConfederation"},
    {MODE_SELECT_TEAMS, "MenuSelectTeams"},
    {MODE_SELECT_TEAM_TO_EDIT, "MenuSelectTeamToEdit"},
    {MODE_VIEW_SELECTED_TEAMS, "MenuViewSelectedTeams"},
    {MODE_SET_TEAM, "MenuSetTeam"},
    {MODE_EDIT_PLAYERS, "MenuEditPlayers"},
    {MODE_EDIT_TEAM, "MenuEditTeam"},
    {MODE_MATCH_PRESENTATION, "MenuMatchPresentation"},
    {MODE_REPLAY_MATCH, "MenuReplayMatch"},
    {MODE_DESIGN_DIY_LEAGUE, "MenuDesignDiyLeague"},
    {MODE_PLAY_LEAGUE, "MenuPlayLeague"},
    {MODE_VIEW_STATISTICS, "MenuViewStatistics"},
    {MODE_TOP_SCORERS, "MenuTopScorers"},
    {MODE_LEAGUE_INFO, "MenuLeagueInfo"},
    {MODE_SELECT_SQUAD_TO_VIEW, "MenuSelectSquadToView"},
    {MODE_VIEW_TEAM, "MenuViewTeam"},
    {MODE_COMPETITION_WARNING, "MenuCompetitionWarning"},
    {MODE_DESIGN_DIY_CUP, "MenuDesignDiyCup"},
    {MODE_PLAY_CUP, "MenuPlayCup"},
    {MODE_CUP_INFO, "MenuCupInfo"},
    {MODE_MATCH_LOADING, "MatchLoading"},
    {MODE_TEST_MATCH, "MenuTestMatch"},
    {MODE_INTRO, "MenuIntro"},
    {MODE_COPYING, "MenuCopying"},
    {MODE_WARRANTY, "MenuWarranty"},
    {MODE_MATCH_INTRO, "t_match_intro"},
    {MODE_MATCH_STARTING_POSITIONS, "t_match_starting_positions"},
    {MODE_MATCH_KICK_OFF, "t_match_kick_off"},
    {MODE_MATCH_MAIN, "t_match_main"},
    {MODE_MATCH_GOAL, "t_match_goal"},
    {MODE_MATCH_CORNER_STOP, "t_match_corner_stop"},
    {MODE_MATCH_CORNER_POSITIONS, "t_match_corner_positions"},
    {MODE_MATCH_CORNER_KICK, "t_match_corner_kick"},
    {MODE_MATCH_GOAL_KICK_STOP, "t_match_goal_kick_stop"},
    {MODE_MATCH_GOAL_KICK_POSITIONS, "t_match_goal_kick_positions"},
    {MODE_MATCH_GOAL_KICK, "t_match_goal_kick"},
    {MODE_MATCH_KEEPER_STOP, "t_match_keeper_stop"},
    {MODE_MATCH_KEEPER_WAIT, "t_match_keeper_wait"},
    {MODE_MATCH_KEEPER_KICK, "t_match_keeper_kick"},
    {MODE_MATCH_THROW_IN_STOP, "t_match_throw_in_stop"},
    {MODE_MATCH_THROW_IN_POSITIONS, "t_match_throw_in_positions"},
    {MODE_MATCH_THROW_IN, "t_match_throw_in"},
    {MODE_MATCH_HALF_TIME_STOP, "t_match_half_time_stop"},
    {MODE_MATCH_HALF_TIME_POSITIONS, "t_match_half_time_positions"},
    {MODE_MATCH_HALF_TIME_WAIT, "t_match_half_time_wait"},
    {MODE_MATCH_FULL_TIME_STOP, "t_match_full_time_stop"},
    {MODE_MATCH_EXTRA_TIME_STOP, "t_match_extra_time_stop"},
    {MODE_MATCH_HALF_EXTRA_TIME_STOP, "t_match_half_extra_time_stop"},
    {MODE_MATCH_FULL_EXTRA_TIME_STOP, "t_match_full_extra_time_stop"},
    {MODE_MATCH_BENCH_ENTER, "t_match_bench_enter"},
    {MODE_MATCH_BENCH_SUBSTITUTIONS, "t_match_bench_substitutions"},
    {MODE_MATCH_BENCH_FORMATION, "t_match_bench_formation"},
    {MODE_MATCH_BENCH_TACTICS, "t_match_bench_tactics"},
    {MODE_MATCH_BENCH_EXIT, "t_match_bench_exit"},
    {MODE_MATCH_REPLAY, "t_match_replay"},
    {MODE_MATCH_END_POSITIONS, "t_match_end_positions"},
    {MODE_MATCH_END, "t_match_end"},
    {MODE_MATCH_SHOW_HIGHLIGHT, "t_match_show_highlight"},
    {MODE_SELECT_TACTICS_TO_EDIT, "t_menu_select_tactics_to_edit"},
    {MODE_EDIT_TACTICS, "t_menu_edit_tactics"},
    {MODE_TACTICS_SAVE_WARNING, "t_menu_tactics_save_warning"},
    {MODE_SAVE_TACTICS, "t_menu_save_tactics"},
    {MODE_TACTICS_ABORT_WARNING, "t_menu_tactics_abort_warning"},
    {MODE_TACTICS_IMPORT, "t_menu_tactics_import"},
    {MODE_TACTICS_LOAD, "t_menu_tactics_load"},
    {MODE_QUIT, ""},
    {MODE_HOW_TO_PLAY, "MenuHowToPlay"},
    {MODE_MATCH_FREE_KICK_POSITIONS, "t_match_free_kick_positions"},
    {MODE_MATCH_FREE_KICK, "t_match_free_kick"},
    {MODE_MATCH_PENALTY_POSITIONS, "t_match_penalty_positions"},
    {MODE_MATCH_PENALTY_KICK, "t_match_penalty_kick"},
    {MODE_MATCH_SHOOTOUT_POSITIONS, "t_match_shootout_positions"},
    {MODE_MATCH_SHOOTOUT_KICK, "t_match_shootout_kick"},
}};

// True when entry i of the table names screen number i + 1: a name beside the wrong number, a screen left
// out or one inserted out of order all fail.
constexpr bool screen_names_in_order() {
    for (size_t i = 0; i < SCREEN_NAMES.size(); ++i)
        if (static_cast<size_t>(SCREEN_NAMES[i].mode) != i + 1) return false;
    return true;
}
static_assert(screen_names_in_order(), "SCREEN_NAMES must list every screen number in order, beside its own name");

constexpr bool is_screen_mode(int32_t mode) {
    return mode >= MODE_MAIN_MENU && mode <= static_cast<int32_t>(SCREEN_NAMES.back().mode);
}
// The phases of a match itself, from the walk-on to its highlights, ENHANCED set pieces and shoot-outs included.
constexpr bool is_match_phase(int32_t mode) {
    return (mode >= MODE_MATCH_INTRO && mode <= MODE_MATCH_SHOW_HIGHLIGHT) ||
           (mode >= MODE_MATCH_FREE_KICK_POSITIONS && mode <= MODE_MATCH_SHOOTOUT_KICK);
}

// The class that plays a screen number ("" for quit); the number must be a screen's.
constexpr std::string_view screen_class_name(int32_t mode) {
    return SCREEN_NAMES[static_cast<size_t>(mode - MODE_MAIN_MENU)].class_name;
}
