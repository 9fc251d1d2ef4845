#include "match/bench/bench_screens.hpp"

#include "match/bench/bench_enter.hpp"
#include "match/bench/bench_exit.hpp"
#include "match/bench/bench_formation.hpp"
#include "match/bench/bench_substitutions.hpp"
#include "match/bench/bench_tactics.hpp"

std::unique_ptr<t_game_mode> make_bench_screen(int32_t mode) {
    switch (mode) {
    case bench_mode::ENTER: return std::make_unique<t_match_bench_enter>();
    case bench_mode::SUBSTITUTIONS: return std::make_unique<t_match_bench_substitutions>();
    case bench_mode::FORMATION: return std::make_unique<t_match_bench_formation>();
    case bench_mode::TACTICS: return std::make_unique<t_match_bench_tactics>();
    case bench_mode::EXIT: return std::make_unique<t_match_bench_exit>();
    default: return nullptr;
    }
}
