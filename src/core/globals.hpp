#pragma once
// The application's process-wide state, created once at start-up.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/dictionary.hpp"
#include "core/keycodes.hpp"
#include "core/settings.hpp"
#include "platform/bank.hpp"
#include "platform/image.hpp"

class t_game;
class t_game_action_queue;
class t_backgrounds;
class t_mouse;

struct t_display_mode {
    int32_t width;
    int32_t height;
    int32_t available;
};

constexpr size_t HIGHLIGHT_SLOT_BYTES = 73216;
constexpr size_t HIGHLIGHT_SLOTS = 30;

extern t_game* game;
extern std::unique_ptr<t_game_action_queue> action_queue;
// The eight sizes of old, then the widescreen ones.
constexpr size_t DISPLAY_MODES = 10;
extern std::array<t_display_mode, DISPLAY_MODES> display_modes;
extern int32_t joystick_count;
extern std::unique_ptr<t_dictionary> dictionary;
extern t_mouse mouse;
extern std::array<int32_t, 4> match_lengths;
extern t_settings settings;
extern std::vector<std::string> audio_drivers_list;
extern t_keycode_table keycodes;
extern t_bank highlights_bank;
extern int32_t highlights_count;
extern int32_t replay_frame;
extern std::unique_ptr<t_backgrounds> backgrounds;
extern int32_t fade_level;
extern float music_level;
extern int32_t music_muted;
extern t_image_ref font_10;
extern t_image_ref font_14;
extern t_image_ref arrow_image;
extern int32_t screen_w;
extern int32_t screen_h;
