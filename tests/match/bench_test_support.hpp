#pragma once
// A bench visit in memory: team 0 is played on key set 0 (cursor keys, comma, full stop).
#include <gtest/gtest.h>

#include "core/settings.hpp"
#include "football/team.hpp"
#include "match/bench/bench_simulation.hpp"
#include "phase_test_support.hpp"

namespace bench_test {

using namespace phase_test;

constexpr int KEY_FIRE_1 = 188;
constexpr int KEY_FIRE_2 = 190;

inline void set_up_bench(int substitutions = 3, int bench = 5) {
    set_up(bench);
    match_settings.substitutions = substitutions;
    settings.key[0] = t_key_set{KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_FIRE_1, KEY_FIRE_2};
    t_team& home = team_at(0);
    home.control = CONTROL_PLAYER;
    home.subs_count = 0;
    inputs[0].dev = 1;
    bench_status.team = 0;
    bench_status.target_x = static_cast<int32_t>(-650 + 0.45 * screen_w);
    bench_status.target_y = -20;
    coaches = {};
    for (int t = 0; t < 2; ++t) {
        coaches[static_cast<size_t>(t)].x = COACH_X;
        coaches[static_cast<size_t>(t)].y = 1 - 2 * t == bench_side ? COACH_BENCH_Y : COACH_OTHER_Y;
    }
    // Everybody of the line-up stands still on his place, the substitutes on their seats.
    for (int t = 0; t < 2; ++t)
        for (int s = 1; s <= 11 + bench; ++s) squad_player(t, s).v = 0;
    for (int i = 0; i < REPLAY_FRAMES; ++i) {
        replay_camera_x[static_cast<size_t>(i)] = static_cast<int32_t>(camera.x);
        replay_camera_y[static_cast<size_t>(i)] = 0;
    }
}

// Updates the screen; stops once it asked for another screen, as the game would replace it then.
template <typename M> void step(M& screen, int updates = 1) {
    for (int i = 0; i < updates && action_queue->empty(); ++i) {
        advance_virtual_clock(25);
        screen.update();
    }
}

// A key held long enough to pass the controller's glitch filter, then let go; the panel acts
// on the release.
template <typename M> void tap(M& screen, int key) {
    input_key_event(key, true);
    step(screen, 2);
    input_key_event(key, false);
    step(screen, 2);
}

// Cursor moves of a panel: + down, - up.
template <typename M> void move_cursor(M& screen, int rows) {
    for (int i = 0; i < std::abs(rows); ++i) tap(screen, rows > 0 ? KEY_DOWN : KEY_UP);
}

// The camera standing at the bench, as the entry screen leaves it.
inline void camera_at_bench() {
    camera.x = bench_status.target_x + PITCH_ORIGIN_X - screen_w / 2;
    camera.y = bench_status.target_y + PITCH_ORIGIN_Y - screen_h / 2;
}

} // namespace bench_test
