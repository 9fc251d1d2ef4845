#pragma once
// The persistent settings and key sets, their file, and the stepping of option values.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

class t_key_set {
public:
    int32_t key_up = 0;
    int32_t key_down = 0;
    int32_t key_left = 0;
    int32_t key_right = 0;
    int32_t button_1 = 0;
    int32_t button_2 = 0;
};

constexpr int SETTINGS_VERSION = 77;
constexpr const char* SETTINGS_FILE = "quilbo_soccer.ini";

// The user's options; those marked persistent live in "quilbo_soccer.ini".
class t_settings {
public:
    t_settings();
    // Missing file or another version: the defaults stay, silently.
    void read(int32_t version, const std::string& path = SETTINGS_FILE);
    // A file that cannot be created is not reported.
    void write(int32_t version, const std::string& path = SETTINGS_FILE) const;

    int32_t gr_mode = 2;
    int32_t full_screen = 0;
    int32_t length = 0;
    int32_t weather_max = 1;
    int32_t substitutions = 2;
    int32_t bench_size = 5;
    int32_t use_flags = 1;
    int32_t sound_vol = 4;
    int32_t commentary = 1;
    int32_t music_mode = -2;
    int32_t music_vol = 40;
    int32_t auto_replay = 1;
    int32_t mouse_enabled = 1;
    int32_t language = 0;
    int32_t audio_driver = 0;
    int32_t sound_enabled = 1;
    int32_t weather_effect = 4;
    int32_t time = 2;
    int32_t pitch_type = 9;
    int32_t crowd_chants = 1;
    std::array<t_key_set, 2> key;
};

// Shared small helpers for option values.
int rotate_value(int value, int low, int high, int step);
int clamp_step(int value, int low, int high, int step);
// Inline: the match rounds every sprite position of every sub-step.
inline double round_half_away(double x) {
    const double t = std::trunc(std::fabs(x) + 0.5);
    return x < 0 ? -t : t;
}
