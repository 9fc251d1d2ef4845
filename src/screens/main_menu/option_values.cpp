#include "screens/main_menu/option_values.hpp"

#include "core/dictionary.hpp"
#include "core/settings.hpp"
#include "core/text.hpp"
#include "ui/menu_toolkit.hpp"

namespace {
constexpr size_t TRACK_CUT = 25;
constexpr size_t TRACK_LIMIT = 28;
// Latin-1 215, the multiplication sign, as text in memory.
const char* const TIMES_SIGN = "\xC3\x97";
} // namespace

std::string music_track_caption(const std::string& file_name) {
    std::string name = file_name.substr(0, file_name.rfind('.'));
    const std::vector<uint32_t> codes = decode_utf8(name);
    if (codes.size() > TRACK_LIMIT) name = encode_utf8(std::vector<uint32_t>(codes.begin(), codes.begin() + TRACK_CUT)) + "...";
    std::vector<uint32_t> upper = decode_utf8(name);
    for (uint32_t& c : upper) c = latin1_upper(c);
    return encode_utf8(upper);
}

std::string music_mode_caption(int mode, const std::string& current_track) {
    if (mode == -2) return translate("ALL");
    if (mode == -1) return translate("SHUFFLE");
    return music_track_caption(current_track);
}

std::string music_volume_caption(int music_vol) {
    return music_vol <= 0 ? translate("OFF") : std::to_string(music_vol / 10);
}

std::string screen_mode_caption(int full_screen, const std::string& current) {
    if (full_screen == 1) return translate("FULL SCREEN");
    if (full_screen == 0) return translate("WINDOW");
    return current;
}

std::string flags_caption(int use_flags) { return translate(use_flags == 1 ? "FLAG" : "CODE"); }

std::string on_when_set(int flag) { return translate(flag != 0 ? "ON" : "OFF"); }

std::string on_when_one(int flag) { return translate(flag == 1 ? "ON" : "OFF"); }

std::string audio_driver_caption(int index) {
    if (index < 0 || static_cast<size_t>(index) >= audio_drivers_list.size()) return "";
    return to_upper_ascii(audio_drivers_list[static_cast<size_t>(index)]);
}

std::string match_length_caption(int length) {
    const int minutes = length >= 0 && length < static_cast<int>(match_lengths.size())
                            ? match_lengths[static_cast<size_t>(length)]
                            : 0;
    return with_number(translate("%n MINUTES"), minutes);
}

std::string weather_max_caption(int weather_max) {
    switch (weather_max) {
    case 0: return translate("OFF");
    case 1: return translate("LIGHT");
    case 2: return translate("STRONG");
    default: return "";
    }
}

std::string resolution_caption(const t_display_mode& mode) {
    return std::to_string(mode.width) + " " + TIMES_SIGN + " " + std::to_string(mode.height);
}

std::string sound_effects_caption(int sound_vol) {
    return sound_vol <= 0 ? translate("OFF") : std::to_string(sound_vol);
}

int flag_not(int flag) { return flag == 0 ? 1 : 0; }

int next_music_mode(int mode, int step, int mode_min, int mode_max) {
    return rotate_value(mode, mode_min, mode_max, step);
}

int next_music_volume(int music_vol, int step) { return clamp_step(music_vol, 0, 100, 10 * step); }

int next_sound_volume(int sound_vol, int step) { return clamp_step(sound_vol, 0, 10, step); }

int next_in_range(int value, int count, int step) { return count <= 0 ? 0 : rotate_value(value, 0, count - 1, step); }
