#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/globals.hpp"
#include "ui/menu_music.hpp"

namespace {
namespace fs = std::filesystem;

constexpr int TRACK_FRAMES = 400;
constexpr int16_t AMPLITUDE = 8000;

void put16(std::ofstream& out, uint32_t v) {
    out.put(static_cast<char>(v & 255));
    out.put(static_cast<char>((v >> 8) & 255));
}
void put32(std::ofstream& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A short constant tone: stereo 16-bit at the mixer rate, so it plays unconverted.
void write_wav(const fs::path& path) {
    std::ofstream out(path, std::ios::binary);
    const uint32_t data_bytes = TRACK_FRAMES * 4;
    out.write("RIFF", 4);
    put32(out, 36 + data_bytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);
    put16(out, 2);
    put32(out, MIXER_RATE);
    put32(out, MIXER_RATE * 4);
    put16(out, 4);
    put16(out, 16);
    out.write("data", 4);
    put32(out, data_bytes);
    for (int i = 0; i < TRACK_FRAMES * 2; ++i) put16(out, static_cast<uint16_t>(AMPLITUDE));
}

// One folder per test process: ctest runs the tests of this file side by side.
fs::path music_root() { return fs::temp_directory_path() / ("quilbo_music_" + std::to_string(getpid())); }
fs::path music_dir(const std::string& name) { return music_root() / name; }

// Plays `frames` frames of everything the mixer holds; returns the last left sample.
int16_t mix(int frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
    mix_channels(out.data(), frames);
    return out[out.size() - 2];
}

class MenuMusic : public testing::Test {
protected:
    void SetUp() override {
        folder = music_dir("music").string();
        fs::remove_all(folder);
        fs::create_directories(fs::path(folder) / "d_folder.wav");
        for (const char* name : {"b_second.wav", "A_first.OGG", "c_third.Wav"}) write_wav(fs::path(folder) / name);
        std::ofstream(fs::path(folder) / "notes.mp3") << "not music";
        std::ofstream(fs::path(folder) / "wav") << "too short a name";
    }
    void TearDown() override {
        stop_channel(player.channel);
        mix(1);
        fs::remove_all(music_root());
    }
    // Lets the current track end and the player move on.
    void next_track() {
        mix(TRACK_FRAMES + 1);
        player.update();
    }
    std::string folder;
    t_menu_music player;
};
} // namespace

TEST_F(MenuMusic, FindsWavAndOggInAnyCaseSorted) {
    EXPECT_EQ(player.disabled, 1);
    player.init(folder);
    EXPECT_EQ(player.disabled, 0);
    EXPECT_EQ(player.filelist, (std::vector<std::string>{"A_first.OGG", "b_second.wav", "c_third.Wav"}));
    EXPECT_EQ(player.get_mode_min(), -2);
    EXPECT_EQ(player.get_mode_max(), 2);
    EXPECT_TRUE(player.playlist.empty());
    EXPECT_EQ(player.current_track, -1);
    EXPECT_TRUE(is_music_file_name("x.oGg"));
    EXPECT_FALSE(is_music_file_name("x.mp3"));
}

TEST_F(MenuMusic, AllPlaysInOrderWithoutEnd) {
    player.init(folder);
    player.set_mode(t_menu_music::MODE_ALL);
    EXPECT_EQ(player.playlist, player.filelist);
    std::vector<std::string> heard{player.get_current_track_name()};
    EXPECT_TRUE(channel_playing(player.channel));
    player.update(); // still playing: stays
    EXPECT_EQ(player.current_track, 0);
    for (int i = 0; i < 3; ++i) {
        next_track();
        heard.push_back(player.get_current_track_name());
    }
    EXPECT_EQ(heard, (std::vector<std::string>{"A_first.OGG", "b_second.wav", "c_third.Wav", "A_first.OGG"}));
}

TEST_F(MenuMusic, OneTrackModeLoopsThatTrack) {
    player.init(folder);
    player.set_mode(1);
    EXPECT_EQ(player.playlist, (std::vector<std::string>{"b_second.wav"}));
    mix(TRACK_FRAMES * 3);
    EXPECT_TRUE(channel_playing(player.channel));
    player.update();
    EXPECT_EQ(player.current_track, 0);
    player.set_mode(7); // past the end: the last track
    EXPECT_EQ(player.playlist, (std::vector<std::string>{"c_third.Wav"}));
    EXPECT_EQ(player.get_current_track_name(), "c_third.Wav");
}

TEST_F(MenuMusic, ShuffleKeepsEveryTrackOnce) {
    player.init(folder);
    player.set_mode(t_menu_music::MODE_SHUFFLE);
    std::vector<std::string> sorted = player.playlist;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, player.filelist);
    EXPECT_EQ(player.current_track, 0);

    fs::remove(fs::path(folder) / "A_first.OGG");
    fs::remove(fs::path(folder) / "b_second.wav");
    t_menu_music single;
    single.init(folder);
    single.set_mode(t_menu_music::MODE_SHUFFLE);
    EXPECT_EQ(single.playlist, (std::vector<std::string>{"c_third.Wav"}));
    mix(TRACK_FRAMES * 2);
    EXPECT_TRUE(channel_playing(single.channel)) << "a playlist of one loops";
    stop_channel(single.channel);
}

TEST_F(MenuMusic, ChangingModeStopsTheTrackAndStartsAgain) {
    player.init(folder);
    player.set_mode(t_menu_music::MODE_ALL);
    next_track();
    const t_channel_ref old = player.channel;
    player.set_mode(t_menu_music::MODE_ALL);
    EXPECT_FALSE(channel_playing(old));
    EXPECT_EQ(player.current_track, 0);
    EXPECT_TRUE(channel_playing(player.channel));
}

TEST_F(MenuMusic, NextTrackStartsAtTheCurrentVolume) {
    player.init(folder);
    player.set_mode(t_menu_music::MODE_ALL);
    player.set_volume(0.5f);
    EXPECT_NEAR(mix(10), AMPLITUDE / 2, 2);
    player.set_volume(0.25f);
    next_track();
    EXPECT_NEAR(mix(10), AMPLITUDE / 4, 2);
}

TEST_F(MenuMusic, EmptyFolderWarnsAndStaysSilent) {
    const std::string empty = music_dir("no_music").string();
    fs::remove_all(empty);
    fs::create_directories(empty);
    testing::internal::CaptureStdout();
    player.init(empty);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Warning: no .wav or .ogg files found in " + empty + "\n");
    EXPECT_EQ(player.disabled, 1);
    player.set_mode(t_menu_music::MODE_ALL);
    player.update();
    EXPECT_TRUE(player.playlist.empty());
    EXPECT_EQ(player.channel, nullptr);
    EXPECT_EQ(player.get_current_track_name(), "");
}

TEST_F(MenuMusic, TrackThatCannotPlayDisablesThePlayer) {
    player.init(folder);
    set_sound_disabled(true);
    player.set_mode(t_menu_music::MODE_ALL);
    set_sound_disabled(false);
    EXPECT_EQ(player.disabled, 1);
    EXPECT_EQ(player.get_current_track_name(), "");
    player.update();
    EXPECT_FALSE(channel_playing(player.channel));
}

TEST_F(MenuMusic, MissingTrackIsFatal) {
    player.init(folder);
    fs::remove(fs::path(folder) / "A_first.OGG");
    EXPECT_EXIT(player.set_mode(t_menu_music::MODE_ALL), testing::ExitedWithCode(1), "File not found: ");
}

TEST_F(MenuMusic, ListsPrintIndexAndName) {
    player.init(folder);
    player.set_mode(2);
    testing::internal::CaptureStdout();
    player.print_filelist();
    player.print_playlist();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Filelist:\n0: A_first.OGG\n1: b_second.wav\n2: c_third.Wav\nPlaylist:\n0: c_third.Wav\n");
}

TEST(MenuMusicFade, LevelFallsByFiveAndRisesByTwo) {
    const t_settings saved = settings;
    settings.music_vol = 40;
    music_level = 0;
    music_muted = 0;
    std::vector<float> levels;
    for (int i = 0; i < 3; ++i) {
        menu_music_frame();
        levels.push_back(music_level);
    }
    EXPECT_EQ(levels, (std::vector<float>{2, 4, 6}));
    music_level = 41; // above: down 5, then below: up 2
    menu_music_frame();
    EXPECT_FLOAT_EQ(music_level, 38);
    music_muted = 1;
    music_level = 12;
    menu_music_frame();
    EXPECT_FLOAT_EQ(music_level, 7);
    menu_music_frame();
    EXPECT_FLOAT_EQ(music_level, 2);
    // Steps of 5 and 2 overshoot zero a little and then settle on it.
    for (int i = 0; i < 6; ++i) {
        menu_music_frame();
        EXPECT_LE(std::abs(music_level), 2.0f);
    }
    EXPECT_FLOAT_EQ(music_level, 0);
    menu_music_frame();
    EXPECT_FLOAT_EQ(music_level, 0);
    music_muted = 0;
    music_level = 0;
    settings = saved;
}

TEST(MenuMusicFade, StartUpWithoutSoundLeavesThePlayerDisabled) {
    const t_settings saved = settings;
    settings.sound_enabled = 0;
    music_level = 17;
    start_menu_music();
    EXPECT_EQ(music.disabled, 1);
    EXPECT_FLOAT_EQ(music_level, 17);
    music_level = 0;
    settings = saved;
}
