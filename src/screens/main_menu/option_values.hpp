#pragma once
// The values the option screens step through and the captions that show them.
#include <string>

#include "core/globals.hpp"

// A music file as the music-mode button shows it.
std::string music_track_caption(const std::string& file_name);
// -2 "ALL", -1 "SHUFFLE", otherwise the playing track.
std::string music_mode_caption(int mode, const std::string& current_track);
std::string music_volume_caption(int music_vol);
// Another value leaves `current` as it is.
std::string screen_mode_caption(int full_screen, const std::string& current);
std::string flags_caption(int use_flags);
// "ON" for any value but 0.
std::string on_when_set(int flag);
// "ON" only for 1.
std::string on_when_one(int flag);
std::string audio_driver_caption(int index);
std::string match_length_caption(int length);
std::string weather_max_caption(int weather_max);
std::string resolution_caption(const t_display_mode& mode);
std::string sound_effects_caption(int sound_vol);

// "not" of an option flag: 1 for 0 and 0 for anything else.
int flag_not(int flag);
int next_music_mode(int mode, int step, int mode_min, int mode_max);
int next_music_volume(int music_vol, int step);
int next_sound_volume(int sound_vol, int step);
int next_in_range(int value, int count, int step);
