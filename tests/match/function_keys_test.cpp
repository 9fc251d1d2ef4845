// The keys of every match phase: one action per press, the volume limits, the pause and the messages.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "core/dictionary.hpp"
#include "core/globals.hpp"
#include "core/settings.hpp"
#include "football/match_settings.hpp"
#include "match/core/function_keys.hpp"
#include "match/overlays/hud_message.hpp"
#include "match/core/match_main.hpp"
#include "match/sound/match_sound.hpp"
#include "match/phases/phase_kick_off.hpp"
#include "phase_test_support.hpp"
#include "platform/input.hpp"

using namespace phase_test;

namespace {
constexpr int FIRE = 5;

// Only what the volume keys ask of the mixer.
class t_volume_mixer : public t_sound_output {
public:
    t_sound_ref load(const std::string&, const std::string&, int flags) override {
        return std::make_shared<const t_sound>(std::vector<int16_t>(2, 0), flags == LOOPING_SOUND);
    }
    t_channel_ref alloc() override { return alloc_channel(); }
    void set_volume(const t_channel_ref& ch, float volume) override { volumes[ch.get()] = volume; }
    void play(const t_sound_ref&, const t_channel_ref&) override {}
    bool playing(const t_channel_ref&) override { return false; }
    void stop(const t_channel_ref&) override {}
    std::map<const ::t_channel*, float> volumes;
};

// One update of a phase: the key is held for it.
bool update_holding(int key) {
    input_key_event(key, true);
    return handle_function_keys();
}

bool update_released(int key) {
    input_key_event(key, false);
    return handle_function_keys();
}

void press(int key) {
    update_holding(key);
    update_released(key);
}

class FunctionKeys : public testing::Test {
protected:
    void SetUp() override {
        saved_settings = settings;
        saved_match = match_settings;
        set_up();
        function_keys = t_function_key{};
        highlights_count = 0;
        hud_message.clear();
        match_settings.sound_vol = 4;
        settings.key[0] = t_key_set{1, 2, 3, 4, FIRE, 6};
        inputs[0].dev = 1;
    }
    void TearDown() override {
        release_keys();
        while (match_paused()) press(KEY_PAUSE);
        settings = saved_settings;
        match_settings = saved_match;
        hud_message.clear();
    }
    t_settings saved_settings;
    t_match_settings saved_match;
};
} // namespace

TEST_F(FunctionKeys, HoldingSpaceRecordsOneHighlightPerPress) {
    for (int i = 0; i < 30; ++i) EXPECT_FALSE(update_holding(KEY_SPACE));
    EXPECT_EQ(highlights_count, 1);
    EXPECT_EQ(hud_message, "ACTION RECORDED");
    update_released(KEY_SPACE);
    press(KEY_SPACE);
    EXPECT_EQ(highlights_count, 2);
}

TEST_F(FunctionKeys, VolumeStopsAtTenAndZeroButTheBarIsShownEachTime) {
    match_settings.sound_vol = 9;
    press(KEY_F6);
    EXPECT_EQ(match_settings.sound_vol, 10);
    hud_message.clear();
    press(KEY_F6);
    EXPECT_EQ(match_settings.sound_vol, 10);
    EXPECT_EQ(hud_message, "SOUND EFFECTS <||||||||||>");
    match_settings.sound_vol = 1;
    press(KEY_F5);
    press(KEY_F5);
    EXPECT_EQ(match_settings.sound_vol, 0);
    EXPECT_EQ(hud_message, "SOUND EFFECTS <          >");
    for (int i = 0; i < 10; ++i) update_holding(KEY_F6);
    EXPECT_EQ(match_settings.sound_vol, 1) << "a held key steps once";
    EXPECT_EQ(volume_bar(3), "|||       ");
}

TEST_F(FunctionKeys, VolumeKeysSetTheCrowdAtOnce) {
    t_volume_mixer mixer;
    set_sound_output(&mixer);
    load_match_sounds();
    match_settings.sound_vol = 0;
    press(KEY_F6);
    EXPECT_FLOAT_EQ(mixer.volumes[match::channel.crowd.get()], 0.1f);
    press(KEY_F5);
    EXPECT_FLOAT_EQ(mixer.volumes[match::channel.crowd.get()], 0.0f);
    release_match_sounds();
    set_sound_output(nullptr);
}

TEST_F(FunctionKeys, TogglesShowTheirNewState) {
    settings.crowd_chants = 1;
    match_settings.commentary = 0;
    match_settings.auto_replay = 1;
    press(KEY_F10);
    EXPECT_EQ(settings.crowd_chants, 0);
    EXPECT_EQ(hud_message, "CROWD CHANTS OFF");
    press(KEY_F8);
    EXPECT_EQ(match_settings.commentary, 1);
    EXPECT_EQ(hud_message, "COMMENTARY ON");
    press(KEY_F12);
    EXPECT_EQ(match_settings.auto_replay, 0);
    EXPECT_EQ(hud_message, "AUTO REPLAYS OFF");
    press(KEY_F10);
    EXPECT_EQ(settings.crowd_chants, 1);
}

TEST_F(FunctionKeys, MessagesTakeEachLabelWholeAndTheValueOnItsOwn) {
    // French words each label differently from its single words ("CROWD" alone is "PUBLIC").
    std::unique_ptr<t_dictionary> saved = std::move(dictionary);
    dictionary = std::make_unique<t_dictionary>();
    dictionary->read_po("language/fr.po");
    settings.crowd_chants = 1;
    match_settings.commentary = 0;
    match_settings.auto_replay = 1;
    press(KEY_F10);
    EXPECT_EQ(hud_message, "CHANTS DU PUBLIC NON");
    press(KEY_F8);
    EXPECT_EQ(hud_message, "COMMENTAIRES OUI");
    press(KEY_F12);
    EXPECT_EQ(hud_message, "RALENTIS AUTO NON");
    press(KEY_F6);
    EXPECT_EQ(hud_message, "EFFETS SONORES <|||||     >") << "the bar is not looked up";
    press(KEY_SPACE);
    EXPECT_EQ(hud_message, "ACTION ENREGISTR\xC3\x89" "E");
    dictionary = std::move(saved);
}

TEST_F(FunctionKeys, PauseLastsUntilEverythingIsLetGoAndPOrFireComesAgain) {
    EXPECT_TRUE(update_holding(KEY_PAUSE));
    EXPECT_TRUE(update_holding(KEY_PAUSE)) << "P still held: the first wait goes on";
    EXPECT_TRUE(update_released(KEY_PAUSE));
    input_key_event('X', true);
    EXPECT_TRUE(handle_function_keys()) << "another key does not end it";
    input_key_event('X', false);
    press(KEY_SPACE);
    EXPECT_EQ(highlights_count, 0) << "nothing acts during a pause";
    EXPECT_FALSE(update_holding(KEY_PAUSE));
    EXPECT_FALSE(update_holding(KEY_PAUSE)) << "the P that ended the pause does not start another";
    update_released(KEY_PAUSE);

    EXPECT_TRUE(update_holding(KEY_PAUSE));
    EXPECT_TRUE(update_released(KEY_PAUSE));
    EXPECT_FALSE(update_holding(FIRE)) << "fire 1 of a side ends it too";
    update_released(FIRE);
    EXPECT_FALSE(match_paused());
}

TEST_F(FunctionKeys, APausedPhaseRecordsNothingAndTheClockStands) {
    t_match_starting_positions lining_up;
    const int frame = replay_frame;
    input_key_event(KEY_PAUSE, true);
    for (int i = 0; i < 5; ++i) lining_up.update();
    EXPECT_EQ(replay_frame, frame);
    input_key_event(KEY_PAUSE, false);
    lining_up.update();
    EXPECT_EQ(replay_frame, frame);

    t_match_main play;
    const int32_t timer = match_status.timer;
    for (int i = 0; i < 5; ++i) play.update();
    EXPECT_EQ(match_status.timer, timer) << "open play stays frozen while paused";
    input_key_event(KEY_PAUSE, true);
    play.update();
    EXPECT_FALSE(match_paused());
    EXPECT_EQ(match_status.timer, timer + UPDATE_MS) << "the update that ends the pause runs on";
    input_key_event(KEY_PAUSE, false);
    play.update();
    EXPECT_EQ(match_status.timer, timer + 2 * UPDATE_MS);
    EXPECT_NE(replay_frame, frame);
    drain();
}

TEST(HudMessage, GoesAbout1200MsAfterItWasSetWhateverTheFrameRate) {
    for (const long period : {10L, 25L, 100L, 400L}) {
        last_render_time = 1000;
        show_hud_message("ACTION RECORDED");
        long last_shown = 0;
        for (long now = 1000 + period; now < 5000; now += period) {
            if (!hud_message.empty()) last_shown = now;
            age_hud_message(now);
        }
        EXPECT_GT(last_shown - 1000, HUD_MESSAGE_MS) << period << " ms frames";
        EXPECT_LE(last_shown - 1000, HUD_MESSAGE_MS + 2 * period) << period << " ms frames";
        EXPECT_TRUE(hud_message.empty());
    }
}

TEST(HudMessage, ANewMessageGetsItsOwn1200Ms) {
    last_render_time = 1000;
    show_hud_message("ACTION RECORDED");
    for (long now = 1025; now <= 2000; now += 25) age_hud_message(now);
    show_hud_message("COMMENTARY", " ON");
    for (long now = 2025; now <= 3200; now += 25) age_hud_message(now);
    EXPECT_EQ(hud_message, "COMMENTARY ON") << "1200 ms after the second message, not the first";
    age_hud_message(3225);
    age_hud_message(3250);
    EXPECT_TRUE(hud_message.empty());
}

TEST_F(FunctionKeys, EscapeEndsTheMatchOnlyWhenPressedAgainWithinTwoSeconds) {
    const auto escape_press = [] {
        input_key_event(KEY_ESCAPE, true);
        const bool first = escape_ends_match();
        const bool held = escape_ends_match();
        input_key_event(KEY_ESCAPE, false);
        escape_ends_match();
        EXPECT_FALSE(held) << "a held key is one press";
        return first;
    };
    EXPECT_FALSE(escape_press());
    EXPECT_EQ(hud_message, "PRESS ESC AGAIN TO END THE MATCH");
    advance_virtual_clock(ESCAPE_CONFIRM_MS - 25);
    EXPECT_TRUE(escape_press());

    function_keys = t_function_key{};
    EXPECT_FALSE(escape_press());
    advance_virtual_clock(ESCAPE_CONFIRM_MS + 25);
    EXPECT_FALSE(escape_press()) << "too late: this press asks again";
    EXPECT_TRUE(escape_press());
}
