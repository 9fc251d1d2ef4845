#pragma once
#include <string>

// Sound effects of the match, by file stem of "sfx/<name>.ogg" ("bounce", "kick", "chant" ...).
// Loaded by MatchLoading; a sound whose file is not there stays silent.
void load_match_sounds();
void release_match_sounds();
// Plays at volume 0..1 on the sound's own channel, from the start.
void play_match_sound(const std::string& name, double volume);
// Plays only when the sound's channel is not already playing.
void play_match_sound_once(const std::string& name, double volume);
bool match_sound_playing(const std::string& name);
void stop_match_sound(const std::string& name);
