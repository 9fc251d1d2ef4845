#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "football/match_settings.hpp"
#include "match/sound/commentary_extra.hpp"
#include "match/sound/match_sound.hpp"

namespace {
namespace fs = std::filesystem;

struct t_levels {
    double peak = 0; // 0..1 of full scale
    double rms = 0;
    size_t clipped = 0;
};

t_levels levels_of(const std::vector<int16_t>& s) {
    t_levels l;
    double sum = 0;
    for (const int16_t v : s) {
        const int a = std::abs(static_cast<int>(v));
        l.peak = std::max(l.peak, a / 32768.0);
        if (a >= 32767) ++l.clipped;
        sum += static_cast<double>(v) * v;
    }
    l.rms = s.empty() ? 0 : std::sqrt(sum / static_cast<double>(s.size())) / 32768.0;
    return l;
}

double seconds_of(const t_sound_ref& s) { return static_cast<double>(s->frames()) / MIXER_RATE; }

class MatchSoundFiles : public testing::Test {
protected:
    void SetUp() override { load_match_sounds(); }
    void TearDown() override {
        for (const char* name : {"intro", "crowd", "bounce", "kick", "whistle", "missgoal", "homegoal", "chant",
                                 "endgame"})
            stop_match_sound(name);
        stop_channel(commentary_channel);
        release_match_sounds();
    }
};

TEST_F(MatchSoundFiles, EveryEffectDecodesWithSaneLevels) {
    const struct {
        const char* name;
        t_sound_ref sound;
        double min_s, max_s;
    } effects[] = {
        {"intro", match::sound.intro, 1, 10},     {"crowd", match::sound.crowd, 30, 300},
        {"bounce", match::sound.bounce, 0.1, 1},  {"kick", match::sound.kick, 0.1, 1},
        {"whistle", match::sound.whistle, 0.3, 3}, {"missgoal", match::sound.missgoal, 1, 6},
        {"homegoal", match::sound.homegoal, 3, 12}, {"chant", match::sound.chant, 4, 15.99},
        {"endgame", match::sound.endgame, 2, 7},
    };
    for (const auto& e : effects) {
        ASSERT_TRUE(e.sound) << e.name;
        EXPECT_GE(seconds_of(e.sound), e.min_s) << e.name;
        EXPECT_LE(seconds_of(e.sound), e.max_s) << e.name << " (the chant must fit its 16 s window)";
        const t_levels l = levels_of(e.sound->samples());
        EXPECT_EQ(l.clipped, 0u) << e.name;
        EXPECT_LT(l.peak, 0.99) << e.name;
        EXPECT_GT(l.rms, 0.02) << e.name << " is nearly silent";
    }
    for (const t_commentary_set* set : {&commentary_goal, &commentary_own_goal, &commentary_corner})
        for (const t_sound_ref& s : *set) {
            ASSERT_TRUE(s);
            EXPECT_GT(seconds_of(s), 0.5);
            EXPECT_LT(seconds_of(s), 5.0);
            const t_levels l = levels_of(s->samples());
            EXPECT_EQ(l.clipped, 0u);
            EXPECT_GT(l.rms, 0.05) << "commentary must sit over the crowd";
        }
}

// The sets made for fouls and cards sit at the level of the other commentary, and the foul whistle is a shorter
// blast than the restart whistle.
TEST(MatchSoundFilesExtra, FoulAndCardCommentaryAndTheFoulWhistleDecodeAtTheUsualLevels) {
    for (const int group : {COMMENTARY_PENALTY, COMMENTARY_FREE_KICK, COMMENTARY_YELLOW_CARD, COMMENTARY_RED_CARD})
        for (int i = 1; i <= COMMENTARY_SAMPLES; ++i) {
            const std::string name = std::to_string(group * 100 + i) + ".ogg";
            const t_sound_ref s = load_sound_from("sfx/commentary", name);
            ASSERT_TRUE(s) << name;
            EXPECT_GT(seconds_of(s), 0.5) << name;
            EXPECT_LT(seconds_of(s), 5.0) << name;
            const t_levels l = levels_of(s->samples());
            EXPECT_EQ(l.clipped, 0u) << name;
            EXPECT_GT(l.rms, 0.05) << name << " must sit over the crowd";
            EXPECT_LT(l.rms, 0.3) << name << " must not shout over the other lines";
        }
    const t_sound_ref foul = load_sound_from("sfx", FOUL_WHISTLE_FILE);
    const t_sound_ref restart = load_sound_from("sfx", "whistle.ogg");
    ASSERT_TRUE(foul && restart);
    EXPECT_LT(seconds_of(foul), seconds_of(restart)) << "a foul is a short blast";
    const t_levels l = levels_of(foul->samples());
    EXPECT_EQ(l.clipped, 0u);
    EXPECT_LT(l.peak, 0.99);
    EXPECT_GT(l.rms, 0.02);
}

TEST_F(MatchSoundFiles, CrowdLoopsWithoutASeam) {
    const std::vector<int16_t>& s = match::sound.crowd->samples();
    ASSERT_TRUE(match::sound.crowd->looping());
    ASSERT_GT(s.size(), 4u);
    // the jump from the last frame to the first is no bigger than the loop's ordinary steps
    std::vector<int> steps;
    for (size_t i = 2; i < s.size(); i += 2) steps.push_back(std::abs(s[i] - s[i - 2]));
    std::sort(steps.begin(), steps.end());
    const int p999 = steps[steps.size() * 999 / 1000];
    for (size_t c = 0; c < 2; ++c) EXPECT_LE(std::abs(s[c] - s[s.size() - 2 + c]), p999);
    // and its level near the end matches the start, so no swell breaks off
    const size_t w = MIXER_RATE / 2 * 2;
    const t_levels head = levels_of({s.begin(), s.begin() + static_cast<long>(w)});
    const t_levels tail = levels_of({s.end() - static_cast<long>(w), s.end()});
    EXPECT_NEAR(head.rms / tail.rms, 1.0, 0.25);
}

TEST_F(MatchSoundFiles, MatchMixAtTheUsualVolumeStaysClearOfClipping) {
    settings.sound_enabled = 1;
    match_settings.sound_vol = 4;
    match_settings.commentary = 1;
    start_crowd();
    std::vector<int16_t> crowd_only(MIXER_RATE * 2);
    mix_channels(crowd_only.data(), MIXER_RATE);
    const t_levels crowd = levels_of(crowd_only);
    EXPECT_GT(crowd.rms, 0.01);
    EXPECT_LT(crowd.rms, 0.1) << "the crowd is a bed, not the show";
    play_goal_sounds(true);
    play_long_whistle();
    play_kick();
    std::vector<int16_t> busy(MIXER_RATE * 2 * 2);
    mix_channels(busy.data(), MIXER_RATE * 2);
    const t_levels all = levels_of(busy);
    EXPECT_EQ(all.clipped, 0u);
    EXPECT_GT(all.rms, crowd.rms * 1.5) << "a goal must stand out from the crowd";
}

TEST(MatchSoundMusic, MenuTracksDecodeAtTheirLengthAndLevel) {
    int tracks = 0;
    for (const auto& entry : fs::directory_iterator("music")) {
        const t_sound_ref s = load_sound(entry.path().string());
        ASSERT_TRUE(s) << entry.path();
        ++tracks;
        EXPECT_GE(seconds_of(s), 60.0) << entry.path();
        EXPECT_LE(seconds_of(s), 120.0) << entry.path();
        const t_levels l = levels_of(s->samples());
        EXPECT_EQ(l.clipped, 0u) << entry.path();
        EXPECT_GT(l.rms, 0.07) << entry.path();
        EXPECT_LT(l.rms, 0.25) << entry.path();
    }
    EXPECT_GE(tracks, 3);
}

TEST(MatchSoundLoading, AMissingEffectStopsTheGame) {
    const fs::path dir = fs::temp_directory_path() / ("quilbo_sfx_" + std::to_string(getpid()));
    fs::create_directories(dir / "sfx");
    for (const char* name : {"intro.ogg", "crowd.ogg", "bounce.ogg"})
        fs::copy_file(fs::path("sfx") / name, dir / "sfx" / name, fs::copy_options::overwrite_existing);
    const fs::path here = fs::current_path();
    EXPECT_EXIT(
        {
            fs::current_path(dir);
            load_match_sounds();
        },
        testing::ExitedWithCode(1), "File not found: sfx/kick.ogg");
    fs::current_path(here);
    fs::remove_all(dir);
}

// The mixer itself, on generated tones, sample by sample.
class MatchSoundMixer : public testing::Test {
protected:
    void TearDown() override {
        for (const t_channel_ref& c : used) stop_channel(c);
    }
    static t_sound_ref tone(int frames, int16_t amplitude, int period, bool looping) {
        std::vector<int16_t> s(static_cast<size_t>(frames) * 2);
        for (int i = 0; i < frames; ++i) {
            const auto v = static_cast<int16_t>(i % period < period / 2 ? amplitude : -amplitude);
            s[static_cast<size_t>(i) * 2] = v;
            s[static_cast<size_t>(i) * 2 + 1] = static_cast<int16_t>(-v);
        }
        return std::make_shared<const t_sound>(std::move(s), looping);
    }
    t_channel_ref channel(const t_sound_ref& s, float volume) {
        t_channel_ref c = alloc_channel();
        set_channel_volume(c, volume);
        play_sound(s, c);
        used.push_back(c);
        return c;
    }
    std::vector<t_channel_ref> used;
};

TEST_F(MatchSoundMixer, MixesChannelsAtTheirVolumesAndStops) {
    const t_sound_ref a = tone(100, 8000, 10, false);
    const t_sound_ref b = tone(50, 4000, 4, false);
    const t_channel_ref ca = channel(a, 0.5f);
    channel(b, 1.0f);
    std::vector<int16_t> out(120 * 2);
    mix_channels(out.data(), 120);
    for (size_t i = 0; i < 120; ++i) {
        const int va = i < 100 ? a->samples()[i * 2] * 128 / 256 : 0;
        const int vb = i < 50 ? b->samples()[i * 2] : 0;
        ASSERT_EQ(out[i * 2], va + vb) << "frame " << i;
        ASSERT_EQ(out[i * 2 + 1], -(va + vb)) << "frame " << i;
    }
    EXPECT_FALSE(channel_playing(ca)) << "a one-shot ends with its samples";

    const t_channel_ref again = channel(a, 1.0f);
    std::vector<int16_t> part(10 * 2);
    mix_channels(part.data(), 10);
    stop_channel(again);
    mix_channels(part.data(), 10);
    EXPECT_TRUE(std::all_of(part.begin(), part.end(), [](int16_t v) { return v == 0; }));
}

TEST_F(MatchSoundMixer, LoopsWithoutAClickAndRestartsFromTheTop) {
    const t_sound_ref loop = tone(40, 6000, 8, true); // five whole periods
    const t_channel_ref c = channel(loop, 1.0f);
    std::vector<int16_t> out(130 * 2);
    mix_channels(out.data(), 130);
    for (size_t i = 0; i < 130; ++i) ASSERT_EQ(out[i * 2], loop->samples()[(i % 40) * 2]) << "frame " << i;
    EXPECT_TRUE(channel_playing(c));
    play_sound(loop, c); // a restart goes back to the first sample instead of adding a second voice
    mix_channels(out.data(), 3);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(out[i * 2], loop->samples()[i * 2]);
    // a chunk boundary in the middle of the stream changes nothing
    std::vector<int16_t> whole(80 * 2), halves(80 * 2);
    play_sound(loop, c);
    mix_channels(whole.data(), 80);
    play_sound(loop, c);
    mix_channels(halves.data(), 33);
    mix_channels(halves.data() + 66, 47);
    EXPECT_EQ(whole, halves);
}

} // namespace
