#pragma once
// The grass of each pitch type: friction and bounce under the weather, and its palettes.
#include <array>
#include <string>

#include "match/core/match_state.hpp"

constexpr int PITCH_TYPE_COUNT = 9;
constexpr int PITCH_TYPE_RANDOM = 9;
constexpr int PITCH_FROZEN = 0;
constexpr int PITCH_SNOWED = 7;
constexpr int PITCH_WHITE = 8;
constexpr int WEATHER_EFFECTS = 4;
constexpr int WEATHER_WIND = 0;
constexpr int WEATHER_RAIN = 1;
constexpr int WEATHER_SNOW = 2;
constexpr int WEATHER_FOG = 3;
constexpr int WEATHER_RANDOM = 4;
constexpr int TIME_DAY = 0;
constexpr int TIME_NIGHT = 1;
constexpr int TIME_RANDOM = 2;
// The table's friction numbers are in twentieths.
constexpr double FRICTION_SCALE = 0.05;

class t_grass_row {
public:
    const char* name;
    int col1, col2, col3, sha1, sha2, u_gr, u_ln;
    int friction;
    int bounce;
};

extern const std::array<t_grass_row, PITCH_TYPE_COUNT> grass_table;
// Strongest weather each pitch type allows, by effect (wind, rain, snow, fog).
extern const std::array<std::array<int, WEATHER_EFFECTS>, PITCH_TYPE_COUNT> weather_limits;

// The grass of a pitch type under the weather: friction and bounce adjusted, friction scaled.
t_grass make_grass(int grass_type, int weather_effect, int weather_intensity);
// "images/stadium/palettes/<name>_<sunny|cloudy|night>.pal" for the light of the match.
std::string pitch_palette_path(int grass_type, int time, int sky);
