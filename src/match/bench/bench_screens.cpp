#include "match/bench/bench_screens.hpp"

#include "core/screen_modes.hpp"
#include "match/bench/bench_enter.hpp"
#include "match/bench/bench_exit.hpp"
#include "match/bench/bench_formation.hpp"
#include "match/bench/bench_substitutions.hpp"
#include "match/bench/bench_tactics.hpp"

std::unique_ptr<t_game_mode> make_bench_screen(int32_t mode) {
    switch (mode) {
    case MODE_MATCH_BENCH_ENTER: return std::make_unique<t_match_bench_enter>();
    case MODE_MATCH_BENCH_SUBSTITUTIONS: return std::make_unique<t_match_bench_substitutions>();
    case MODE_MATCH_BENCH_FORMATION: return std::make_unique<t_match_bench_formation>();
    case MODE_MATCH_BENCH_TACTICS: return std::make_unique<t_match_bench_tactics>();
    case MODE_MATCH_BENCH_EXIT: return std::make_unique<t_match_bench_exit>();
    default: return nullptr;
    }
}
