#include "match/bench/bench_exit.hpp"

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "match/bench/bench_lineup.hpp"
#include "match/bench/bench_simulation.hpp"
#include "match/core/function_keys.hpp"
#include "match/core/match_state.hpp"

t_match_bench_exit::t_match_bench_exit() {
    t_coach& coach = coaches[static_cast<size_t>(bench_status.team)];
    coach.status = COACH_SEATED;
    coach.x = static_cast<int>(BENCH_SEATED_X);
    // The panels' last stick and fire readings must not act on the phase that resumes.
    clear_controllers();
}

void t_match_bench_exit::update() {
    if (handle_function_keys()) return;
    bench_sub_steps(camera_towards(1, bench_status.old_target_x, 2, bench_status.old_target_y), true);
    if (view_distance_to(bench_status.old_target_x, bench_status.old_target_y) < VIEW_RESTORED)
        action_queue->push(ACTION_RESTORE_HELD, 0);
}
