#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

#include "core/settings.hpp"
#include "platform/stream.hpp"

namespace {
std::string temp_ini() { return "/tmp/quilbo_settings_" + std::to_string(getpid()) + ".ini"; }

void write_ints(const std::string& path, const std::vector<int32_t>& values) {
    auto out = write_file(path);
    for (const int32_t v : values) out->write_int(v);
}
} // namespace

TEST(Settings, RoundTripKeepsStoredFieldsOnly) {
    const std::string path = temp_ini();
    t_settings s;
    s.gr_mode = 5;
    s.music_mode = 3;
    s.audio_driver = 2;
    s.key[1].button_2 = 77;
    s.pitch_type = 3;       // not stored
    s.sound_enabled = 0;    // not stored
    s.write(SETTINGS_VERSION, path);

    std::vector<uint8_t> bytes;
    ASSERT_TRUE(load_file_bytes(path, bytes));
    EXPECT_EQ(bytes.size(), 112u);
    EXPECT_EQ(bytes[0], 77);

    t_settings r;
    r.read(SETTINGS_VERSION, path);
    EXPECT_EQ(r.gr_mode, 5);
    EXPECT_EQ(r.music_mode, 3);
    EXPECT_EQ(r.audio_driver, 2);
    EXPECT_EQ(r.key[1].button_2, 77);
    EXPECT_EQ(r.key[0].key_up, 38);
    EXPECT_EQ(r.pitch_type, 9);
    EXPECT_EQ(r.sound_enabled, 1);
    std::remove(path.c_str());
}

TEST(Settings, OtherVersionKeepsDefaultsAndNextWriteReplacesIt) {
    const std::string path = temp_ini();
    std::vector<int32_t> v76(28, 1);
    v76[0] = 76;
    write_ints(path, v76);
    t_settings s;
    s.read(SETTINGS_VERSION, path);
    EXPECT_EQ(s.gr_mode, 2);
    EXPECT_EQ(s.music_vol, 40);
    EXPECT_EQ(s.key[0].button_1, 188);
    EXPECT_EQ(s.key[1].key_down, 90);
    s.write(SETTINGS_VERSION, path);
    auto in = read_file(path);
    EXPECT_EQ(in->read_int(), 77);
    std::remove(path.c_str());
}

TEST(Settings, TruncatedOrMissingFileKeepsDefaults) {
    const std::string path = temp_ini();
    write_ints(path, {77, 5, 1});
    t_settings s;
    s.read(SETTINGS_VERSION, path); // must not stop the game
    EXPECT_EQ(s.gr_mode, 2);
    std::remove(path.c_str());
    s.read(SETTINGS_VERSION, path);
    EXPECT_EQ(s.full_screen, 0);
    s.write(SETTINGS_VERSION, "/nonexistent/dir/x.ini"); // silently nothing
}

TEST(Settings, HandEditedValuesAreBroughtIntoTheirRanges) {
    const std::string path = temp_ini();
    constexpr int32_t HUGE = 2147483647;
    constexpr int32_t LOW = -2147483647 - 1;
    // version, gr_mode .. audio_driver, then the two key sets
    write_ints(path, {77, HUGE, 2, LOW, 9, HUGE, HUGE, -1, 11, 7, LOW, 1000, 1, 1, -4, LOW,
                      38, 40, 37, 39, 300, -1, 87, 90, 65, 83, 67, 86});
    t_settings s;
    s.read(SETTINGS_VERSION, path);
    EXPECT_EQ(s.gr_mode, 9) << "the last display size, 1920 x 1080";
    EXPECT_EQ(s.full_screen, 1);
    EXPECT_EQ(s.length, 0);
    EXPECT_EQ(s.weather_max, 2);
    EXPECT_EQ(s.bench_size, 5) << "a bench this size overflowed at the next match start";
    EXPECT_EQ(s.substitutions, 5) << "never more substitutes than the bench holds";
    EXPECT_EQ(s.use_flags, 0);
    EXPECT_EQ(s.sound_vol, 10);
    EXPECT_EQ(s.commentary, 1);
    EXPECT_EQ(s.music_mode, -2);
    EXPECT_EQ(s.music_vol, 100);
    EXPECT_EQ(s.audio_driver, 0);
    EXPECT_EQ(s.key[0].key_up, 38);
    EXPECT_EQ(s.key[0].button_1, 188) << "an unknown key code gives the control its default key";
    EXPECT_EQ(s.key[0].button_2, 190);
    EXPECT_EQ(s.key[1].key_left, 65);

    write_ints(path, {77, 0, 0, 3, 0, 3, 2, 1, 0, 0, 4, 70, 0, 0, 2, 3,
                      38, 40, 37, 39, 188, 190, 87, 90, 65, 83, 67, 86});
    s.read(SETTINGS_VERSION, path);
    EXPECT_EQ(s.bench_size, 2);
    EXPECT_EQ(s.substitutions, 2) << "bounded by the bench read from the same file";
    EXPECT_EQ(s.length, 3);
    EXPECT_EQ(s.music_mode, 4) << "the highest music mode depends on the tracks found";
    EXPECT_EQ(s.music_vol, 70);
    EXPECT_EQ(s.language, 2);
    std::remove(path.c_str());
}

TEST(Settings, ValueSteppingHelpers) {
    EXPECT_EQ(rotate_value(99, 1, 99, 1), 1);
    EXPECT_EQ(rotate_value(1, 1, 99, -1), 99);
    EXPECT_EQ(rotate_value(5, 1, 99, 1), 6);
    EXPECT_EQ(rotate_value(0, 0, 3, -1), 3);
    EXPECT_EQ(rotate_value(-2, -2, 5, -1), 5);
    EXPECT_EQ(clamp_step(10, 0, 10, 1), 10);
    EXPECT_EQ(clamp_step(0, 0, 10, -1), 0);
    EXPECT_EQ(clamp_step(5, 0, 10, -3), 2);
    EXPECT_EQ(round_half_away(2.5), 3);
    EXPECT_EQ(round_half_away(-2.5), -3);
    EXPECT_EQ(round_half_away(-2.4), -2);
    EXPECT_EQ(round_half_away(0.49), 0);
}
