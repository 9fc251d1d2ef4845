#include "screens/friendly/presentation_weather.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/dictionary.hpp"
#include "core/settings.hpp"

namespace {
// Rows by pitch type, columns wind, rain, snow, fog; the match set-up caps its random weather with the same table.
constexpr std::array<std::array<int, 4>, 9> WEATHER_LIMITS = {{
    {2, 0, 1, 0}, {2, 2, 0, 2}, {2, 2, 0, 2}, {2, 1, 0, 2}, {2, 0, 0, 2},
    {2, 0, 0, 0}, {2, 0, 0, 2}, {2, 0, 2, 2}, {2, 0, 2, 2},
}};

int sky_for(const t_weather& w) { return w.intensity == 0 || w.effect == 0 ? 0 : 1; }
} // namespace

int weather_limit(int pitch_type, int effect) {
    if (pitch_type < 0 || pitch_type >= static_cast<int>(WEATHER_LIMITS.size()) || effect < 0 || effect > 3) return 0;
    return WEATHER_LIMITS[static_cast<size_t>(pitch_type)][static_cast<size_t>(effect)];
}

std::string weather_string(const t_weather& w) {
    static const char* const LIGHT[] = {"LIGHT WIND", "LIGHT RAIN", "LIGHT SNOW", "THIN FOG"};
    static const char* const STRONG[] = {"STRONG WIND", "STRONG RAIN", "STRONG SNOW", "THICK FOG"};
    if (w.effect == WEATHER_RANDOM) return translate("RANDOM");
    if (w.effect < 0 || w.effect > 3) return "";
    if (w.intensity <= 0) return translate(w.sky == 1 ? "CLOUDY" : "CLEAR");
    return translate(w.intensity == 1 ? LIGHT[w.effect] : STRONG[w.effect]);
}

int weather_offset(const t_weather& w) {
    if (w.effect == WEATHER_RANDOM) return 10;
    if (w.intensity > 0) return w.effect * 2 + w.intensity + 1;
    return w.sky;
}

std::string time_string(int time) {
    static const char* const TIMES[] = {"DAY", "NIGHT", "RANDOM"};
    return time >= 0 && time < TIME_STATES ? translate(TIMES[time]) : "";
}

t_weather next_weather(const t_weather& w, int pitch_type, int weather_max) {
    if (pitch_type < 0 || pitch_type >= PITCH_STATES - 1) return w;
    if (w.effect != WEATHER_RANDOM && w.intensity == 0 && w.sky == 0) return {w.effect, 0, 1};
    t_weather n = w;
    // Ends at the latest on "random", which is always accepted.
    for (int guard = 0; guard < 16; ++guard) {
        if (n.effect == WEATHER_RANDOM) n = {0, 0, 0};
        else if (n.intensity >= 2) n = {(n.effect + 1) % 5, 1, 0};
        else ++n.intensity;
        if (n.effect == WEATHER_RANDOM ||
            (n.intensity <= weather_limit(pitch_type, n.effect) && weather_max >= n.intensity))
            break;
    }
    n.sky = sky_for(n);
    return n;
}

t_weather competition_weather(int effect, int r, int pitch_type, int weather_max) {
    t_weather w;
    w.effect = effect;
    const double steps = std::log10(static_cast<double>(std::max(1, r))) / std::log10(4.0);
    w.intensity = 2 - static_cast<int>(round_half_away(steps));
    w.intensity = std::min({w.intensity, weather_max, weather_limit(pitch_type, effect)});
    w.intensity = std::max(0, w.intensity);
    w.sky = sky_for(w);
    return w;
}
