#pragma once
// Time of day and weather as the presentation screen steps and names them.
#include <string>

constexpr int WEATHER_RANDOM = 4;
constexpr int TIME_STATES = 3;
constexpr int PITCH_STATES = 10; // nine pitch types, then random

struct t_weather {
    int effect = WEATHER_RANDOM; // 0 wind, 1 rain, 2 snow, 3 fog, 4 random
    int intensity = 0;
    int sky = 0;
    bool operator==(const t_weather&) const = default;
};

// Largest weather intensity allowed on a pitch type for an effect (0 on the random pitch).
int weather_limit(int pitch_type, int effect);
std::string weather_string(const t_weather& w);
int weather_offset(const t_weather& w);
std::string time_string(int time);
// The next weather a press on the weather picture gives on `pitch_type`.
t_weather next_weather(const t_weather& w, int pitch_type, int weather_max);
// A competition match's weather, from a drawn effect 0..3 and a draw r in 1..16.
t_weather competition_weather(int effect, int r, int pitch_type, int weather_max);
