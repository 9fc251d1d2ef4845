#pragma once
// A match in memory, ready for the phases: both squads, recording, clock, an empty action queue.
#include <memory>
#include <vector>

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "football/match_settings.hpp"
#include "match/core/match_state.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "platform/timer.hpp"
#include "player_test_support.hpp"
#include "ui/input.hpp"

namespace phase_test {

using player_test::ref;

constexpr int32_t THREE_MINUTES = 180000;

struct t_queued {
    int typ;
    int mode;
    bool operator==(const t_queued&) const = default;
};

inline void release_keys() {
    for (int k = 1; k < 256; ++k) input_key_event(k, false);
}

inline void set_up(int bench = 5) {
    set_headless_graphics(true);
    use_virtual_clock(true);
    action_queue = std::make_unique<t_game_action_queue>();
    settings.sound_enabled = 0;
    match_settings.bench_size = bench;
    match_settings.auto_replay = 0;
    player_test::build_match(bench);
    for (const auto& squad : match_players)
        for (const auto& p : squad)
            if (p) p->data.assign(REPLAY_FRAMES, t_data{});
    match_status.length = THREE_MINUTES;
    match_status.period = t_match_status::FIRST_HALF;
    screen_w = 1024;
    screen_h = 768;
    camera.x = 0.5 * (CAMERA_PICTURE_W - screen_w);
    bench_side = 1;
    release_keys();
}

inline std::vector<t_queued> drain() {
    std::vector<t_queued> out;
    while (!action_queue->empty()) {
        const t_game_action_ref a = action_queue->pop();
        out.push_back({a->typ, a->mode});
    }
    return out;
}

inline t_queued new_screen(int mode) { return {ACTION_NEW_SCREEN, mode}; }

// Updates the phase (25 ms of wall clock each) until it queues something; the updates run, or -1.
template <typename M> int run_until_queued(M& phase, int limit) {
    for (int i = 0; i < limit; ++i) {
        advance_virtual_clock(25);
        phase.update();
        if (!action_queue->empty()) return i + 1;
    }
    return -1;
}

// Everybody of slots 1-11 stands on his target.
inline void everybody_on_target() {
    for (int t = 0; t < 2; ++t)
        for (int s = 1; s <= 11; ++s) {
            t_player& p = squad_player(t, s);
            p.x = p.tx;
            p.y = p.ty;
            p.v = 0;
        }
}

} // namespace phase_test
