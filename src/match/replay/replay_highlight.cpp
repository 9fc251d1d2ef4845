#include "match/replay/replay_highlight.hpp"

#include <algorithm>
#include <cstdio>

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "match/replay/highlights.hpp"
#include "match/phases/phase_common.hpp"
#include "match/draw/sprite.hpp"
#include "platform/input.hpp"

namespace {
constexpr int KEY_R = 'R';
constexpr int NORMAL_SPEED = 12;
constexpr int SLOW_SPEED = 6;
} // namespace

t_match_show_highlight::t_match_show_highlight() {
    display_time = 0;
    display_score = 1;
    frame0 = replay_frame;
    const size_t a = highlight_play_offset(highlight_position, highlights_count);
    std::printf("current highlight: %d, offset = %zu\n", highlight_position, a);
    std::fflush(stdout);
    unpack_highlight(a, frame0);
}

void t_match_show_highlight::update() {
    if (leaving_) return;
    const int slow_now = key_down(KEY_R) ? 1 : 0;
    if (slow_now != 0 && key_slow == 0) slow_motion = 1 - slow_motion;
    key_slow = slow_now;
    position = std::min(position + (slow_motion != 0 ? SLOW_SPEED : NORMAL_SPEED), REPLAY_FRAMES);
    replay_frame = (frame0 + position) % REPLAY_FRAMES;
    if (key_down(KEY_ESCAPE) || fire1_on_any_device()) {
        quit();
        return;
    }
    if (position < REPLAY_FRAMES) return;
    ++highlight_position;
    if (highlight_position >= highlights_kept(highlights_count)) {
        quit();
        return;
    }
    leaving_ = true;
    action_queue->push(ACTION_FADE_OUT, 0);
    action_queue->push(ACTION_NEW_SCREEN, MODE_MATCH_SHOW_HIGHLIGHT);
    action_queue->push(ACTION_FADE_IN, 0);
}

void t_match_show_highlight::quit() {
    leaving_ = true;
    action_queue->push(ACTION_FADE_OUT, 0);
    action_queue->push(ACTION_NEW_SCREEN, MODE_MATCH_END);
    action_queue->push(ACTION_FADE_IN, 0);
}
