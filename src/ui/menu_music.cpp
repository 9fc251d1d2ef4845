#include "ui/menu_music.hpp"

#include <algorithm>
#include <random>

#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/text.hpp"
#include "platform/fatal.hpp"
#include "platform/files.hpp"
#include "platform/timer.hpp"

t_menu_music music;

namespace {
void print_list(const std::string& title, const std::vector<std::string>& list) {
    print_line(title);
    for (size_t i = 0; i < list.size(); ++i) print_line(std::to_string(i) + ": " + list[i]);
}
} // namespace

bool is_music_file_name(const std::string& name) {
    if (name.size() < 4) return false;
    const std::string ext = to_lower_ascii(name.substr(name.size() - 4));
    return ext == ".wav" || ext == ".ogg";
}

void t_menu_music::init(const std::string& folder_) {
    folder = folder_;
    filelist.clear();
    for (const std::string& name : list_dir(folder))
        if (file_type(folder + "/" + name) == 1 && is_music_file_name(name)) filelist.push_back(name);
    if (filelist.empty()) {
        print_line("Warning: no .wav or .ogg files found in " + folder);
        disabled = 1;
        return;
    }
    disabled = 0;
    std::sort(filelist.begin(), filelist.end());
}

void t_menu_music::set_mode(int mode) {
    if (disabled != 0) return;
    stop_channel(channel);
    current_track = -1;
    playlist = filelist;
    const int n = static_cast<int>(filelist.size());
    if (mode == MODE_SHUFFLE) {
        // A generator of its own: the game's generator keeps its seed for replayable matches.
        std::mt19937 gen(static_cast<std::mt19937::result_type>(millisecs()));
        std::uniform_int_distribution<size_t> pick(0, playlist.size() - 1);
        for (int k = 0; k < 2 * n; ++k) std::swap(playlist[pick(gen)], playlist[pick(gen)]);
    } else if (mode >= 0) {
        playlist = {filelist[static_cast<size_t>(std::min(mode, n - 1))]};
    }
    update();
}

void t_menu_music::update() {
    if (disabled != 0 || playlist.empty() || channel_playing(channel)) return;
    current_track = (current_track + 1) % static_cast<int>(playlist.size());
    const bool loop = playlist.size() == 1;
    const t_sound_ref sound =
        load_sound_from(folder, playlist[static_cast<size_t>(current_track)], loop ? LOOPING_SOUND : 0);
    channel = alloc_channel();
    set_channel_volume(channel, volume_);
    play_sound(sound, channel);
    if (!channel_playing(channel)) disabled = 1;
}

void t_menu_music::set_volume(float volume) {
    volume_ = volume;
    set_channel_volume(channel, volume);
}

std::string t_menu_music::get_current_track_name() const {
    if (disabled != 0 || current_track < 0 || current_track >= static_cast<int>(playlist.size())) return "";
    return playlist[static_cast<size_t>(current_track)];
}

void t_menu_music::print_filelist() const { print_list("Filelist:", filelist); }

void t_menu_music::print_playlist() const { print_list("Playlist:", playlist); }

void start_menu_music() {
    if (settings.sound_enabled != 1) return;
    music_level = 0;
    music_muted = 0;
    music.init("music");
    music.set_mode(settings.music_mode);
    music.set_volume(0.01f * music_level);
}

void menu_music_frame() {
    const float target = music_muted != 0 ? 0.0f : static_cast<float>(settings.music_vol);
    if (music_level > target) music_level -= 5;
    if (music_level < target) music_level += 2;
    music.update();
    music.set_volume(0.01f * music_level);
}
