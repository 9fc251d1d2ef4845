#pragma once
// The menu music player: track list, mode and volume.
#include <string>
#include <vector>

#include "platform/sound.hpp"

// Plays the tracks of the music folder one after another, or one track looped.
class t_menu_music {
public:
    static constexpr int MODE_ALL = -2;
    static constexpr int MODE_SHUFFLE = -1;

    // Finds the .wav and .ogg files of `folder`; none disables the player with a warning.
    void init(const std::string& folder_);
    // MODE_ALL, MODE_SHUFFLE or the index of one track; starts the first track.
    void set_mode(int mode);
    // Starts the next track once the current one has ended.
    void update();
    void set_volume(float volume);
    std::string get_current_track_name() const;
    int get_mode_min() const { return MODE_ALL; }
    int get_mode_max() const { return static_cast<int>(filelist.size()) - 1; }
    void print_filelist() const;
    void print_playlist() const;

    std::vector<std::string> filelist;
    std::vector<std::string> playlist;
    std::string folder;
    t_channel_ref channel;
    int current_track = -1;
    int disabled = 1;

private:
    // Kept so that a new track starts at the faded level, not at full volume.
    float volume_ = 1.0f;
};

extern t_menu_music music;

// True for names ending in ".wav" or ".ogg", in any case.
bool is_music_file_name(const std::string& name);

// Start-up: with sound on, the level starts silent and the settings' mode plays.
void start_menu_music();
// Once per screen frame: the level moves towards its target, then the player advances.
void menu_music_frame();
