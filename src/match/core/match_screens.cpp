#include "match/core/match_screens.hpp"

#include "core/screen_modes.hpp"
#include "match/bench/bench_screens.hpp"
#include "match/core/match_loading.hpp"
#include "match/core/match_main.hpp"
#include "app/menu_test_match.hpp"
#include "match/phases/phase_full_time.hpp"
#include "match/phases/phase_goal.hpp"
#include "match/phases/phase_half_time.hpp"
#include "match/phases/phase_intro.hpp"
#include "match/phases/phase_kick_off.hpp"
#include "match/replay/replay_screens.hpp"
#include "match/set_pieces/set_piece_corner.hpp"
#include "match/set_pieces/set_piece_goal_kick.hpp"
#include "match/set_pieces/set_piece_keeper.hpp"
#include "match/set_pieces/set_piece_throw_in.hpp"
#include "match/set_pieces/set_piece_free_kick.hpp"
#include "match/set_pieces/set_piece_penalty.hpp"
#include "match/phases/phase_shootout.hpp"

std::unique_ptr<t_game_mode> make_match_screen(int32_t mode) {
    switch (mode) {
    case MODE_MATCH_LOADING: return std::make_unique<MatchLoading>();
    case MODE_TEST_MATCH: return std::make_unique<MenuTestMatch>();
    case MODE_MATCH_INTRO: return std::make_unique<t_match_intro>();
    case MODE_MATCH_STARTING_POSITIONS: return std::make_unique<t_match_starting_positions>();
    case MODE_MATCH_KICK_OFF: return std::make_unique<t_match_kick_off>();
    case MODE_MATCH_MAIN: return std::make_unique<t_match_main>();
    case MODE_MATCH_GOAL: return std::make_unique<t_match_goal>();
    case MODE_MATCH_CORNER_STOP: return std::make_unique<t_match_corner_stop>();
    case MODE_MATCH_CORNER_POSITIONS: return std::make_unique<t_match_corner_positions>();
    case MODE_MATCH_CORNER_KICK: return std::make_unique<t_match_corner_kick>();
    case MODE_MATCH_GOAL_KICK_STOP: return std::make_unique<t_match_goal_kick_stop>();
    case MODE_MATCH_GOAL_KICK_POSITIONS: return std::make_unique<t_match_goal_kick_positions>();
    case MODE_MATCH_GOAL_KICK: return std::make_unique<t_match_goal_kick>();
    case MODE_MATCH_KEEPER_STOP: return std::make_unique<t_match_keeper_stop>();
    case MODE_MATCH_KEEPER_WAIT: return std::make_unique<t_match_keeper_wait>();
    case MODE_MATCH_KEEPER_KICK: return std::make_unique<t_match_keeper_kick>();
    case MODE_MATCH_THROW_IN_STOP: return std::make_unique<t_match_throw_in_stop>();
    case MODE_MATCH_THROW_IN_POSITIONS: return std::make_unique<t_match_throw_in_positions>();
    case MODE_MATCH_THROW_IN: return std::make_unique<t_match_throw_in>();
    case MODE_MATCH_HALF_TIME_STOP: return std::make_unique<t_match_half_time_stop>();
    case MODE_MATCH_HALF_TIME_POSITIONS: return std::make_unique<t_match_half_time_positions>();
    case MODE_MATCH_HALF_TIME_WAIT: return std::make_unique<t_match_half_time_wait>();
    case MODE_MATCH_FULL_TIME_STOP: return std::make_unique<t_match_full_time_stop>();
    case MODE_MATCH_EXTRA_TIME_STOP: return std::make_unique<t_match_extra_time_stop>();
    case MODE_MATCH_HALF_EXTRA_TIME_STOP: return std::make_unique<t_match_half_extra_time_stop>();
    case MODE_MATCH_FULL_EXTRA_TIME_STOP: return std::make_unique<t_match_full_extra_time_stop>();
    case MODE_MATCH_END_POSITIONS: return std::make_unique<t_match_end_positions>();
    case MODE_MATCH_END: return std::make_unique<t_match_end>();
    case MODE_MATCH_FREE_KICK_POSITIONS: return std::make_unique<t_match_free_kick_positions>();
    case MODE_MATCH_FREE_KICK: return std::make_unique<t_match_free_kick>();
    case MODE_MATCH_PENALTY_POSITIONS: return std::make_unique<t_match_penalty_positions>();
    case MODE_MATCH_PENALTY_KICK: return std::make_unique<t_match_penalty_kick>();
    case MODE_MATCH_SHOOTOUT_POSITIONS: return std::make_unique<t_match_shootout_positions>();
    case MODE_MATCH_SHOOTOUT_KICK: return std::make_unique<t_match_shootout_kick>();
    default: break;
    }
    if (auto screen = make_bench_screen(mode)) return screen;
    return make_replay_screen(mode);
}
