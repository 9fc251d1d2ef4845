// Saved highlight files: what is written reads back the same, and damaged or foreign files are turned away.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "match/replay/highlight_file.hpp"
#include "match/replay/highlights.hpp"
#include "match/replay/replay_save_key.hpp"
#include "phase_test_support.hpp"
#include "platform/stream.hpp"

using namespace phase_test;

namespace {
t_highlight_file sample_file(int count) {
    t_highlight_file f;
    f.date = "2026-12-08 04:30:00";
    f.pitch_type = 8;
    f.time = 1;
    f.sky = 1;
    f.weather_effect = 3;
    f.weather_intensity = 2;
    f.teams[0].name = "Vellmoor Rangers";
    f.teams[0].kit = t_kit{20, 22, 1, 0, 7};
    f.teams[1].name = "Ostrava Blue";
    f.teams[1].kit = t_kit{0, 3, 3, 3, 3};
    for (size_t k = 0; k < 11; ++k) {
        f.teams[0].players[k] = {static_cast<int>(k + 1), k == 0 ? 0 : 2, 9, 808, 8};
        f.teams[1].players[k] = {99, ROLE_ATTACK, 0, 101, 0};
    }
    f.samples.resize(static_cast<size_t>(count) * HIGHLIGHT_SLOT_BYTES);
    for (size_t i = 0; i < f.samples.size(); ++i) f.samples[i] = static_cast<uint8_t>((i * 7 + i / 251) & 0xFF);
    return f;
}

void expect_same(const t_highlight_file& a, const t_highlight_file& b) {
    EXPECT_EQ(a.date, b.date);
    EXPECT_EQ(a.pitch_type, b.pitch_type);
    EXPECT_EQ(a.time, b.time);
    EXPECT_EQ(a.sky, b.sky);
    EXPECT_EQ(a.weather_effect, b.weather_effect);
    EXPECT_EQ(a.weather_intensity, b.weather_intensity);
    for (size_t t = 0; t < 2; ++t) {
        EXPECT_EQ(a.teams[t].name, b.teams[t].name);
        EXPECT_EQ(a.teams[t].kit.style, b.teams[t].kit.style);
        EXPECT_EQ(a.teams[t].kit.shirt1, b.teams[t].kit.shirt1);
        EXPECT_EQ(a.teams[t].kit.shirt2, b.teams[t].kit.shirt2);
        EXPECT_EQ(a.teams[t].kit.shorts, b.teams[t].kit.shorts);
        EXPECT_EQ(a.teams[t].kit.socks, b.teams[t].kit.socks);
        EXPECT_EQ(a.teams[t].players, b.teams[t].players);
    }
    EXPECT_EQ(a.samples, b.samples);
}
} // namespace

TEST(HighlightFile, EncodedFileReadsBackTheSame) {
    for (const int count : {1, 30}) {
        const t_highlight_file f = sample_file(count);
        const std::vector<uint8_t> bytes = encode_highlight_file(f);
        t_highlight_file back;
        ASSERT_EQ(decode_highlight_file(bytes, back), "") << count;
        EXPECT_EQ(back.count(), count);
        expect_same(f, back);
    }
}

TEST(HighlightFile, TruncatedForeignAndDamagedFilesAreRejected) {
    const std::vector<uint8_t> good = encode_highlight_file(sample_file(2));
    t_highlight_file out;
    out.date = "untouched";
    // Every cut inside the header, and a few inside the samples.
    const size_t header = good.size() - 2 * HIGHLIGHT_SLOT_BYTES;
    for (size_t cut = 0; cut < header + 3; ++cut) {
        const std::vector<uint8_t> bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_NE(decode_highlight_file(bytes, out), "") << "cut at " << cut;
    }
    for (const size_t cut : {header + HIGHLIGHT_SLOT_BYTES, good.size() - 1}) {
        const std::vector<uint8_t> bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_NE(decode_highlight_file(bytes, out), "") << "cut at " << cut;
    }
    EXPECT_EQ(out.date, "untouched") << "a rejected file leaves the result alone";

    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_EQ(decode_highlight_file(longer, out), "unexpected bytes after the highlights");

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};
    png.resize(good.size(), 0);
    EXPECT_EQ(decode_highlight_file(png, out), "not a highlights file");

    std::vector<uint8_t> newer = good;
    newer[4] = 2;
    EXPECT_EQ(decode_highlight_file(newer, out), "version 2, this game reads 1");

    // The first team's kit style follows magic, version, date and the five conditions.
    const size_t date_length = good[6];
    const size_t first_name = 7 + date_length + 5;
    std::vector<uint8_t> bad_kit = good;
    bad_kit[first_name + 1 + good[first_name]] = 21;
    EXPECT_NE(decode_highlight_file(bad_kit, out), "");

    std::vector<uint8_t> too_many = good;
    too_many[header - 1] = 31;
    EXPECT_EQ(decode_highlight_file(too_many, out), "no highlights in it");
}

TEST(HighlightFile, SavedMatchKeepsTheShownOrderAndReadsBackTheSameSamples) {
    set_up();
    ball.data.assign(REPLAY_FRAMES, t_data{});
    highlights_bank = t_bank(HIGHLIGHT_SLOTS * HIGHLIGHT_SLOT_BYTES);
    highlights_count = 0;
    team_at(0).name = "Home Side";
    team_at(0).kits = {t_kit{1, 2, 3, 4, 5}, t_kit{6, 7, 8, 9, 10}};
    team_at(0).kit = 1;
    team_at(1).name = "Away Side";
    team_at(1).kits = {t_kit{11, 12, 13, 14, 15}};
    squad_player(0, 11).sk = 4;
    squad_player(0, 11).ht = 505;
    // 32 highlights: camera y of each tells which it was, so the file must hold 3 .. 32 in that order.
    for (int h = 1; h <= 32; ++h) {
        replay_camera_y.fill(-h);
        record_highlight();
    }
    const auto folder = std::filesystem::temp_directory_path() / ("quilbo_highlights_" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::string error;
    const std::string path = save_match_highlights(folder.string(), error);
    ASSERT_FALSE(path.empty()) << error;
    EXPECT_EQ(std::filesystem::path(path).extension(), ".qhl");
    const std::string second = save_match_highlights(folder.string(), error);
    EXPECT_NE(second, path) << "a second save in the same second keeps the first file";

    std::vector<uint8_t> bytes;
    ASSERT_TRUE(load_file_bytes(path, bytes));
    t_highlight_file back;
    ASSERT_EQ(decode_highlight_file(bytes, back), "");
    EXPECT_EQ(back.count(), 30);
    EXPECT_EQ(back.teams[0].name, "Home Side");
    EXPECT_EQ(back.teams[0].kit.style, 6) << "the kit worn in the match";
    EXPECT_EQ(back.teams[1].kit.socks, 15);
    EXPECT_EQ(back.teams[0].players[10].sk, 4);
    EXPECT_EQ(back.teams[0].players[10].ht, 505);
    for (int k = 0; k < back.count(); ++k) {
        t_bank slot_bank(std::vector<uint8_t>(
            back.samples.begin() + static_cast<std::ptrdiff_t>(static_cast<size_t>(k) * HIGHLIGHT_SLOT_BYTES),
            back.samples.begin() + static_cast<std::ptrdiff_t>(static_cast<size_t>(k + 1) * HIGHLIGHT_SLOT_BYTES)));
        EXPECT_EQ(peek_signed_short(slot_bank, 141), -(k + 3)) << "highlight " << k;
    }
    const size_t a = highlight_play_offset(0, highlights_count);
    EXPECT_TRUE(std::equal(back.samples.begin(), back.samples.begin() + static_cast<std::ptrdiff_t>(HIGHLIGHT_SLOT_BYTES),
                           highlights_bank.bytes().begin() + static_cast<std::ptrdiff_t>(a)));
    std::filesystem::remove_all(folder);
}

TEST(HighlightFile, NothingToSaveWritesNothing) {
    set_up();
    highlights_count = 0;
    std::string error;
    EXPECT_EQ(save_match_highlights("/nonexistent_dir_for_quilbo/replays", error), "");
    EXPECT_EQ(error, "no highlights recorded");
}

// S is also "right" on key set 1: the presses of a whole match must not save anything when the end screen
// opens; a press there does.
TEST(HighlightFile, OnlyAnSPressedOnTheEndScreenSaves) {
    set_up();
    ball.data.assign(REPLAY_FRAMES, t_data{});
    highlights_bank = t_bank(HIGHLIGHT_SLOTS * HIGHLIGHT_SLOT_BYTES);
    highlights_count = 0;
    record_highlight();
    const auto folder = std::filesystem::temp_directory_path() / ("quilbo_save_key_" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto old_dir = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    const auto saved = [] {
        const auto dir = std::filesystem::path(HIGHLIGHTS_FOLDER);
        if (!std::filesystem::exists(dir)) return 0;
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(dir), {}));
    };
    for (int i = 0; i < 5; ++i) {
        input_key_event('S', true);
        input_key_event('S', false);
    }
    save_highlights_on_key();
    EXPECT_EQ(saved(), 0) << "presses made during play";
    input_key_event('S', true);
    save_highlights_on_key();
    save_highlights_on_key(); // still held: one file
    input_key_event('S', false);
    EXPECT_EQ(saved(), 1);
    std::filesystem::current_path(old_dir);
    std::filesystem::remove_all(folder);
}

// At 640 x 400 the statistics fill the screen down to its last row: the caption sits in the band between
// their title box and the first row, whatever the display height.
TEST(HighlightFile, SaveCaptionStaysClearOfTheStatistics) {
    for (const int h : {400, 480, 600, 768}) {
        const int title_bottom = h / 15 + h / 20 + 7;
        const int first_row_top = h / 5 - 7;
        const int glyphs_top = save_hint_y(h) + 4; // capitals of the 14-pixel font: rows 4..15 of its line
        EXPECT_GE(glyphs_top, title_bottom) << h;
        EXPECT_LE(glyphs_top + 12, first_row_top) << h;
    }
}
