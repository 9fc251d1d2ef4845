#include "core/settings.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "football/safe_save.hpp"
#include "platform/fatal.hpp"
#include "platform/stream.hpp"

namespace {
// The 27 stored values in file order, after the version.
std::vector<int32_t*> stored_fields(t_settings& s) {
    std::vector<int32_t*> f = {&s.gr_mode,     &s.full_screen,   &s.length,    &s.weather_max, &s.substitutions,
                               &s.bench_size,  &s.use_flags,     &s.sound_vol, &s.commentary,  &s.music_mode,
                               &s.music_vol,   &s.auto_replay,   &s.mouse_enabled, &s.language, &s.audio_driver};
    for (t_key_set& k : s.key) {
        for (int32_t* p : {&k.key_up, &k.key_down, &k.key_left, &k.key_right, &k.button_1, &k.button_2}) f.push_back(p);
    }
    return f;
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

