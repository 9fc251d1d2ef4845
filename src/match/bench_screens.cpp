#include "match/bench_screens.hpp"

std::unique_ptr<t_game_mode> make_bench_screen(int32_t mode) {
    switch (mode) {
    default: return nullptr;
    }
}
