#pragma once
// The settings of the next match: pitch, weather, time of day, substitutes and bench.
#include "football/computer_level.hpp"
#include "football/gameplay.hpp"

// Conditions of the next match, filled from the settings or the competition.
class t_match_settings {
public:
    int sound_vol = 0;
    int commentary = 0;
    int auto_replay = 0;
    int time = 0;
    int sky = 0;
    int pitch_type = 0;
    int weather_effect = 0;
    int weather_intensity = 0;
    int substitutions = 0;
    int bench_size = 0;
    t_gameplay gameplay = t_gameplay::classic;
    bool friendly_shootout = false; // a drawn ENHANCED friendly ends with penalties
    t_computer_level computer_level = t_computer_level::normal; // how well the computer plays ENHANCED
    bool auto_switch = true; // ENHANCED: a human side's control goes by itself to the man best placed to win the ball
};

extern t_match_settings match_settings;
