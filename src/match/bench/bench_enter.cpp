#include "match/bench/bench_enter.hpp"

#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "match/bench/bench_lineup.hpp"
#include "match/bench/bench_simulation.hpp"
#include "match/core/function_keys.hpp"
#include "match/core/match_state.hpp"

t_match_bench_enter::t_match_bench_enter() {
    clear_controllers();
    clear_controlled_players();
    const auto f = static_cast<size_t>(replay_frame);
    bench_status.old_target_x = replay_camera_x[f] + screen_w / 2 - PITCH_ORIGIN_X;
    bench_status.old_target_y = replay_camera_y[f] + screen_h / 2 - PITCH_ORIGIN_Y;
}

void t_match_bench_enter::update() {
    if (handle_function_keys()) return;
    bench_sub_steps(camera_towards(1, bench_status.target_x, 2, bench_status.target_y), false);
    if (view_distance_to(bench_status.target_x, bench_status.target_y) < BENCH_REACHED) {
        t_coach& coach = coaches[static_cast<size_t>(bench_status.team)];
        coach.status = COACH_STANDING;
        coach.x = static_cast<int>(COACH_UP_X);
        open_phase(MODE_MATCH_BENCH_SUBSTITUTIONS);
        return;
    }
    if (escape_.pressed()) open_phase(MODE_MATCH_BENCH_EXIT);
}
