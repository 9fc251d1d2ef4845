#include "match/core/match_screens.hpp"

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

std::unique_ptr<t_game_mode> make_match_screen(int32_t mode) {
    switch (mode) {
    case 31: return std::make_unique<MatchLoading>();
    case 32: return std::make_unique<MenuTestMatch>();
    case 36: return std::make_unique<t_match_intro>();
    case 37: return std::make_unique<t_match_starting_positions>();
    case 38: return std::make_unique<t_match_kick_off>();
    case 39: return std::make_unique<t_match_main>();
    case 40: return std::make_unique<t_match_goal>();
    case 41: return std::make_unique<t_match_corner_stop>();
    case 42: return std::make_unique<t_match_corner_positions>();
    case 43: return std::make_unique<t_match_corner_kick>();
    case 44: return std::make_unique<t_match_goal_kick_stop>();
    case 45: return std::make_unique<t_match_goal_kick_positions>();
    case 46: return std::make_unique<t_match_goal_kick>();
    case 47: return std::make_unique<t_match_keeper_stop>();
    case 48: return std::make_unique<t_match_keeper_wait>();
    case 49: return std::make_unique<t_match_keeper_kick>();
    case 50: return std::make_unique<t_match_throw_in_stop>();
    case 51: return std::make_unique<t_match_throw_in_positions>();
    case 52: return std::make_unique<t_match_throw_in>();
    case 53: return std::make_unique<t_match_half_time_stop>();
    case 54: return std::make_unique<t_match_half_time_positions>();
    case 55: return std::make_unique<t_match_half_time_wait>();
    case 56: return std::make_unique<t_match_full_time_stop>();
    case 57: return std::make_unique<t_match_extra_time_stop>();
    case 58: return std::make_unique<t_match_half_extra_time_stop>();
    case 59: return std::make_unique<t_match_full_extra_time_stop>();
    case 66: return std::make_unique<t_match_end_positions>();
    case 67: return std::make_unique<t_match_end>();
    default: break;
    }
    if (auto screen = make_bench_screen(mode)) return screen;
    return make_replay_screen(mode);
}
