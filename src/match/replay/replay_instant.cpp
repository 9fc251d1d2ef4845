#include "match/replay/replay_instant.hpp"

#include <algorithm>
#include <cstdlib>

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/settings.hpp"
#include "football/team.hpp"
#include "match/core/match_helpers.hpp"
#include "match/draw/sprite.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "ui/input.hpp"
#include "ui/menu_input.hpp"

namespace {
constexpr int KEY_P = 'P';
constexpr int KEY_R = 'R';
constexpr int NORMAL_SPEED = 12;
constexpr int SLOW_SPEED = 6;
constexpr int SIGN_W = 40;
constexpr int SIGN_H = 46;
constexpr int SIGN_FRAMES = 32;
constexpr int SIGN_COLUMNS = 16;
constexpr int SPEED_CELL = 29;

int held(int key) { return key_down(key) ? 1 : 0; }

// A computer side's device belongs to nobody, so it cannot take the replay over; a human side,
// player or coach, steers with its own stick.
bool human(int team) { return team_at(team).control != CONTROL_COMPUTER; }

int fire2_of(int team) { return device_fire2(input_of(team).dev) != 0 ? 1 : 0; }

int fire1_of(int team) { return device_fire1(input_of(team).dev) != 0 ? 1 : 0; }
} // namespace

int replay_speed(int x1, int y1) { return 12 * x1 + 8 * std::abs(x1) * y1 - 2 * y1; }

t_match_replay::t_match_replay() {
    display_controlled_player = 0;
    display_time = 0;
    frame0 = replay_frame;
    replay_frame = (frame0 + 1) % REPLAY_FRAMES;
    flush_keys();
    flush_joy();
    key_slow = held(KEY_R);
    key_pause = held(KEY_P);
    for (int i = 0; i < 2; ++i) fire2[static_cast<size_t>(i)] = fire2_of(i);
    sign_ = load_image_from("images", "replay.png", -1, 0);
    speed_sign_ = load_image_from("images", "rspeed.png", -1, 0);
}

void t_match_replay::take_control() {
    std::array<int32_t, 2> now{};
    for (int i = 0; i < 2; ++i) now[static_cast<size_t>(i)] = fire2_of(i);
    const auto pressed = [&](int i) {
        return now[static_cast<size_t>(i)] != 0 && fire2[static_cast<size_t>(i)] == 0 && human(i);
    };
    if (advanced == 0) {
        for (int i = 0; i < 2; ++i)
            if (pressed(i)) {
                advanced = 1;
                requesting_team = i;
            }
    } else if (pressed(requesting_team)) {
        advanced = 0;
    }
    fire2 = now;
}

void t_match_replay::read_speed() {
    if (advanced == 0) {
        speed = slow_motion != 0 ? SLOW_SPEED : NORMAL_SPEED;
        return;
    }
    const int team = requesting_team;
    input_shift(team);
    input_read(team);
    const t_input& in = input_of(team);
    speed = replay_speed(in.x1, in.y1);
    speedx = in.x1 + 1;
    speedy = in.y1 + 1;
}

bool t_match_replay::wants_out() const {
    if (key_down(KEY_ESCAPE) || fire1_of(0) != 0 || fire1_of(1) != 0) return true;
    return position == REPLAY_FRAMES && advanced == 0;
}

void t_match_replay::update() {
    if (leaving_) return;
    const int pause_now = held(KEY_P);
    const int slow_now = held(KEY_R);
    if (pause_now != 0 && key_pause == 0) paused = 1 - paused;
    if (slow_now != 0 && key_slow == 0) slow_motion = 1 - slow_motion;
    key_pause = pause_now;
    key_slow = slow_now;
    take_control();
    read_speed();
    if (paused == 0) {
        position = std::clamp(position + speed, 1, REPLAY_FRAMES);
        replay_frame = (frame0 + position) % REPLAY_FRAMES;
    }
    if (wants_out()) quit();
}

void t_match_replay::quit() {
    leaving_ = true;
    if (position != REPLAY_FRAMES) {
        action_queue->push(ACTION_FADE_OUT, 0);
        action_queue->push(ACTION_RESTORE_HELD, 0);
        action_queue->push(ACTION_FADE_IN, 0);
    } else {
        action_queue->push(ACTION_RESTORE_HELD, 0);
    }
}

void t_match_replay::render() {
    t_match_mode::render();
    set_color(fade_level, fade_level, fade_level);
    set_blend(MASK_BLEND);
    set_alpha(1);
    const int a = static_cast<int>(round_half_away(replay_frame / 12.0)) % SIGN_FRAMES;
    if (sign_)
        draw_image_rect(sign_, 34, 28, SIGN_W, SIGN_H, static_cast<float>((a % SIGN_COLUMNS) * SIGN_W),
                        static_cast<float>((a / SIGN_COLUMNS) * SIGN_H), SIGN_W, SIGN_H);
    if (advanced != 0 && speed_sign_)
        draw_image_rect(speed_sign_, static_cast<float>(screen_w - 50), static_cast<float>(screen_h - 50), SPEED_CELL,
                        SPEED_CELL, static_cast<float>(speedx * SPEED_CELL), static_cast<float>(speedy * SPEED_CELL),
                        SPEED_CELL, SPEED_CELL);
}
