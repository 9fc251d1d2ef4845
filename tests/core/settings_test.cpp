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
