#include "core/settings.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "football/safe_save.hpp"
#include "platform/fatal.hpp"
#include "platform/stream.hpp"

namespace {
std::array<int32_t*, 6> key_fields(t_key_set& k) {
    return {&k.key_up, &k.key_down, &k.key_left, &k.key_right, &k.button_1, &k.button_2};
}

// The 27 stored values in file order, after the version.
std::vector<int32_t*> stored_fields(t_settings& s) {
    std::vector<int32_t*> f = {&s.gr_mode,     &s.full_screen,   &s.length,    &s.weather_max, &s.substitutions,
                               &s.bench_size,  &s.use_flags,     &s.sound_vol, &s.commentary,  &s.music_mode,
                               &s.music_vol,   &s.auto_replay,   &s.mouse_enabled, &s.language, &s.audio_driver};
    for (t_key_set& k : s.key)
        for (int32_t* p : key_fields(k)) f.push_back(p);
    return f;
}

constexpr int32_t DISPLAY_MODE_LAST = 9;
constexpr int32_t MATCH_LENGTH_LAST = 3;
constexpr int32_t WEATHER_MAX_LAST = 2;
constexpr int32_t BENCH_SIZE_LOWEST = 2;
constexpr int32_t BENCH_SIZE_HIGHEST = 5;
constexpr int32_t SOUND_VOL_HIGHEST = 10;
constexpr int32_t MUSIC_MODE_LOWEST = -2; // every track in turn; the highest mode depends on the music found
constexpr int32_t MUSIC_VOL_HIGHEST = 100;
constexpr int32_t KEY_CODE_HIGHEST = 255;

void clamp_field(int32_t& value, int32_t low, int32_t high) { value = std::clamp(value, low, high); }

void clamp_flag(int32_t& value) { clamp_field(value, 0, 1); }

// The audio driver's upper bound is the drivers installed, checked when it is chosen.
void clamp_index(int32_t& value) { value = std::max(value, 0); }

// A hand-edited or damaged file must not carry a value the option screens would never set.
void bring_into_range(t_settings& s) {
    clamp_field(s.gr_mode, 0, DISPLAY_MODE_LAST);
    clamp_flag(s.full_screen);
    clamp_field(s.length, 0, MATCH_LENGTH_LAST);
    clamp_field(s.weather_max, 0, WEATHER_MAX_LAST);
    clamp_field(s.bench_size, BENCH_SIZE_LOWEST, BENCH_SIZE_HIGHEST);
    clamp_field(s.substitutions, BENCH_SIZE_LOWEST, s.bench_size);
    clamp_flag(s.use_flags);
    clamp_field(s.sound_vol, 0, SOUND_VOL_HIGHEST);
    clamp_flag(s.commentary);
    s.music_mode = std::max(s.music_mode, MUSIC_MODE_LOWEST);
    clamp_field(s.music_vol, 0, MUSIC_VOL_HIGHEST);
    clamp_flag(s.auto_replay);
    clamp_flag(s.mouse_enabled);
    // The language is left to start-up, which falls back to the first one installed with a warning.
    clamp_index(s.audio_driver);
    // A key code the game cannot name or read would leave that control dead: it takes its default back.
    t_settings defaults;
    for (size_t set = 0; set < s.key.size(); ++set) {
        const auto own = key_fields(s.key[set]);
        const auto fallback = key_fields(defaults.key[set]);
        for (size_t k = 0; k < own.size(); ++k)
            if (*own[k] < 0 || *own[k] > KEY_CODE_HIGHEST) *own[k] = *fallback[k];
    }
}
} // namespace

t_settings::t_settings() {
    key[0] = {38, 40, 37, 39, 188, 190};
    key[1] = {87, 90, 65, 83, 67, 86};
}

void t_settings::read(int32_t version, const std::string& path) {
    auto stream = read_file(path);
    if (!stream) return;
    // A short file would stop the game on a read past the end; treat it like a foreign version.
    if (stream->size() < 28 * 4) return;
    if (stream->read_int() != version) return;
    for (int32_t* field : stored_fields(*this)) *field = stream->read_int();
    bring_into_range(*this);
}

void t_settings::write(int32_t version, const std::string& path) const {
    // Built in memory and renamed over the old file: a full disk keeps the old settings and the game.
    t_settings copy = *this;
    const std::string failure = save_replacing_reporting(path, [&](t_stream& stream) {
        stream.write_int(version);
        for (int32_t* field : stored_fields(copy)) stream.write_int(*field);
    });
    if (!failure.empty()) print_line("Settings not saved: " + failure);
}

int rotate_value(int value, int low, int high, int step) {
    const int span = high - low + 1;
    int m = (value + high + step - 2 * low + 1) % span;
    if (m < 0) m += span;
    return low + m;
}

int clamp_step(int value, int low, int high, int step) { return std::min(std::max(value + step, low), high); }

