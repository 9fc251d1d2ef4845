#include "match/core/function_keys.hpp"

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/settings.hpp"
#include "football/match_settings.hpp"
#include "match/replay/highlights.hpp"
#include "match/overlays/hud_message.hpp"
#include "match/sound/match_sound.hpp"
#include "match/core/match_state.hpp"
#include "platform/input.hpp"
#include "platform/timer.hpp"
#include "ui/input.hpp"
#include "ui/menu_input.hpp"

namespace {
constexpr int MAX_SOUND_VOL = 10;
constexpr int FIRST_KEY = 1;
constexpr int LAST_KEY = 255;

enum class t_pause { none, waiting_release, waiting_press };
t_pause pause_stage = t_pause::none;

int held(int key) { return key_down(key) ? 1 : 0; }
bool pressed(int key, int32_t held_before) { return key_down(key) && held_before == 0; }

bool pad_start_held() { return pad_start_down(0) || pad_start_down(1); }

// P, or START of a pad.
int pause_held() { return key_down(KEY_PAUSE) || pad_start_held() ? 1 : 0; }

bool anything_held() {
    for (int k = FIRST_KEY; k <= LAST_KEY; ++k)
        if (key_down(k)) return true;
    return joy_down(0, 0) || joy_down(0, 1) || pad_start_held();
}

bool fire1_held() {
    for (const t_input& in : inputs)
        if (device_fire1(in.dev) != 0) return true;
    return false;
}

// True once the pause is over.
bool pause_ends() {
    if (pause_stage == t_pause::waiting_release) {
        if (anything_held()) return false;
        pause_stage = t_pause::waiting_press;
    }
    if (pause_held() == 0 && !fire1_held()) return false;
    pause_stage = t_pause::none;
    return true;
}

std::string on_off(int32_t value) { return " " + hud_text(value != 0 ? "ON" : "OFF"); }

void toggle(int32_t& value, const std::string& label) {
    value = value != 0 ? 0 : 1;
    show_hud_message(label, on_off(value));
}

void show_volume() { show_hud_message("SOUND EFFECTS", " <" + volume_bar(match_settings.sound_vol) + ">"); }
} // namespace

std::string volume_bar(int sound_vol) {
    std::string bar;
    for (int i = 1; i <= MAX_SOUND_VOL; ++i) bar += i <= sound_vol ? '|' : ' ';
    return bar;
}

bool match_paused() { return pause_stage != t_pause::none; }

bool escape_ends_match() {
    t_function_key& keys = function_keys;
    const bool press = pressed(KEY_ESCAPE, keys.escape);
    keys.escape = held(KEY_ESCAPE);
    if (!press) return false;
    const long now = millisecs();
    if (keys.escape_asked != t_function_key::NO_ESCAPE_ASKED && now - keys.escape_asked <= ESCAPE_CONFIRM_MS)
        return true;
    keys.escape_asked = now;
    show_hud_message("PRESS ESC AGAIN TO END THE MATCH");
    return false;
}

bool handle_function_keys() {
    // The game runs a phase once more when its fade-out ends, before the queued replay or bench opens: a
    // second R or fire 2 then would hold a second visit on the one place for a held phase, the phase would be
    // lost and the game would end when the visits return.
    if (action_queue && !action_queue->empty()) return true;
    t_function_key& keys = function_keys;
    if (pause_stage == t_pause::none && pause_held() != 0 && keys.pause == 0) pause_stage = t_pause::waiting_release;
    if (pause_stage != t_pause::none && !pause_ends()) return true;

    if (pressed(KEY_SPACE, keys.record_action)) {
        record_highlight();
        show_hud_message("ACTION RECORDED");
    }
    if (pressed(KEY_F5, keys.sound_fx_down)) {
        if (match_settings.sound_vol > 0) --match_settings.sound_vol;
        set_crowd_volume();
        show_volume();
    }
    if (pressed(KEY_F6, keys.sound_fx_up)) {
        if (match_settings.sound_vol < MAX_SOUND_VOL) ++match_settings.sound_vol;
        set_crowd_volume();
        show_volume();
    }
    if (pressed(KEY_F10, keys.crowd_chants)) toggle(settings.crowd_chants, "CROWD CHANTS");
    if (pressed(KEY_F8, keys.commentary)) toggle(match_settings.commentary, "COMMENTARY");
    if (pressed(KEY_F12, keys.auto_replay)) toggle(match_settings.auto_replay, "AUTO REPLAYS");

    keys.pause = pause_held();
    keys.record_action = held(KEY_SPACE);
    keys.sound_fx_down = held(KEY_F5);
    keys.sound_fx_up = held(KEY_F6);
    keys.commentary = held(KEY_F8);
    keys.crowd_chants = held(KEY_F10);
    keys.auto_replay = held(KEY_F12);
    return false;
}
