#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/globals.hpp"
#include "football/match_settings.hpp"
#include "match/ball/ball.hpp"
#include "match/sound/match_sound.hpp"
#include "platform/random.hpp"

namespace {

struct t_event {
    std::string what;  // "play", "stop" or "volume"
    t_channel_ref channel;
    std::string sound; // file of the sound played
    float volume = 0;  // channel volume when it was played or set
};

// Records what the match asks of the mixer; a channel "plays" from its play until finish() or stop.
class t_recording_mixer : public t_sound_output {
public:
    t_sound_ref load(const std::string& folder, const std::string& name, int flags) override {
        loads.push_back(folder + "/" + name);
        auto s = std::make_shared<const t_sound>(std::vector<int16_t>(2, 0), flags == LOOPING_SOUND);
        names[s.get()] = folder + "/" + name;
        return s;
    }
    t_channel_ref alloc() override {
        t_channel_ref ch = alloc_channel();
        channels.push_back(ch);
        return ch;
    }
    void set_volume(const t_channel_ref& ch, float volume) override {
        volumes[ch.get()] = volume;
        events.push_back({"volume", ch, "", volume});
    }
    void play(const t_sound_ref& s, const t_channel_ref& ch) override {
        busy.insert(ch.get());
        events.push_back({"play", ch, names[s.get()], volumes[ch.get()]});
    }
    bool playing(const t_channel_ref& ch) override { return busy.count(ch.get()) != 0; }
    void stop(const t_channel_ref& ch) override {
        busy.erase(ch.get());
        events.push_back({"stop", ch, "", 0});
    }
    void finish_all() { busy.clear(); }
    std::vector<t_event> plays() const {
        std::vector<t_event> out;
        for (const t_event& e : events)
            if (e.what == "play") out.push_back(e);
        return out;
    }

    std::vector<std::string> loads;
    std::map<const t_sound*, std::string> names;
    std::vector<t_channel_ref> channels;
    std::map<const ::t_channel*, float> volumes;
    std::set<const ::t_channel*> busy;
    std::vector<t_event> events;
};

class MatchSoundTriggers : public testing::Test {
protected:
    void SetUp() override {
        saved_settings = settings;
        saved_match = match_settings;
        settings.sound_enabled = 1;
        settings.crowd_chants = 1;
        match_settings.sound_vol = 4;
        match_settings.commentary = 1;
        set_sound_output(&mixer);
        load_match_sounds();
        mixer.events.clear();
    }
    void TearDown() override {
        release_match_sounds();
        set_sound_output(nullptr);
        settings = saved_settings;
        match_settings = saved_match;
    }
    t_event only_play() {
        const auto p = mixer.plays();
        EXPECT_EQ(p.size(), 1u);
        return p.empty() ? t_event{} : p.front();
    }

    t_recording_mixer mixer;
    t_settings saved_settings;
    t_match_settings saved_match;
};

TEST_F(MatchSoundTriggers, LoadsEveryFileAndGivesEachEffectItsOwnChannel) {
    ASSERT_EQ(mixer.loads.size(), 52u);
    EXPECT_EQ(mixer.loads[0], "sfx/intro.ogg");
    EXPECT_EQ(mixer.loads[8], "sfx/endgame.ogg");
    EXPECT_EQ(mixer.loads[9], "sfx/whistle_foul.ogg");
    EXPECT_EQ(mixer.loads[10], "sfx/commentary/101.ogg");
    EXPECT_EQ(mixer.loads[15], "sfx/commentary/106.ogg");
    EXPECT_EQ(mixer.loads[16], "sfx/commentary/201.ogg");
    EXPECT_EQ(mixer.loads[27], "sfx/commentary/306.ogg");
    // The referee's sets: penalty, free kick, yellow and red card.
    EXPECT_EQ(mixer.loads[28], "sfx/commentary/401.ogg");
    EXPECT_EQ(mixer.loads[51], "sfx/commentary/706.ogg");
    EXPECT_TRUE(match::sound.crowd->looping());
    for (const t_sound_ref& s : {match::sound.intro, match::sound.kick, match::sound.chant, match::sound.homegoal})
        EXPECT_FALSE(s->looping());
    ASSERT_EQ(mixer.channels.size(), 11u);
    const std::set<const ::t_channel*> distinct(
        {match::channel.intro.get(), match::channel.crowd.get(), match::channel.bounce.get(),
         match::channel.kick.get(), match::channel.whistle.get(), match::channel.missgoal.get(),
         match::channel.homegoal.get(), match::channel.chant.get(), match::channel.endgame.get(),
         match::channel.whistle_foul.get(), commentary_channel.get()});
    EXPECT_EQ(distinct.size(), 11u);
}

TEST_F(MatchSoundTriggers, CrowdStartsAtSetUpAndFollowsTheVolumeKeysAtOnce) {
    settings.sound_enabled = 0; // the crowd loop starts even so
    start_crowd();
    const t_event crowd = only_play();
    EXPECT_EQ(crowd.channel, match::channel.crowd);
    EXPECT_EQ(crowd.sound, "sfx/crowd.ogg");
    EXPECT_FLOAT_EQ(crowd.volume, 0.4f);
    match_settings.sound_vol = 0;
    set_crowd_volume();
    EXPECT_FLOAT_EQ(mixer.volumes[match::channel.crowd.get()], 0.0f);
    match_settings.sound_vol = 1; // F6
    set_crowd_volume();
    EXPECT_FLOAT_EQ(mixer.volumes[match::channel.crowd.get()], 0.1f);
    EXPECT_EQ(mixer.plays().size(), 1u) << "the loop is not restarted by a volume change";
}

TEST_F(MatchSoundTriggers, EffectsPlayOnTheirChannelsAtTheirVolumes) {
    const struct {
        void (*trigger)();
        const char* file;
        t_channel_ref match::t_channel::*channel;
        float volume;
    } cases[] = {
        {play_whistle, "sfx/whistle.ogg", &match::t_channel::whistle, 0.4f},
        {play_long_whistle, "sfx/endgame.ogg", &match::t_channel::endgame, 0.4f},
        {play_kick, "sfx/kick.ogg", &match::t_channel::kick, 0.4f},
        {play_kick_charge, "sfx/kick.ogg", &match::t_channel::kick, 0.2f},
        {play_frame_hit, "sfx/bounce.ogg", &match::t_channel::bounce, 0.4f},
        {play_flag_hit, "sfx/bounce.ogg", &match::t_channel::bounce, 0.2f},
    };
    for (const auto& c : cases) {
        mixer.events.clear();
        mixer.finish_all();
        c.trigger();
        const t_event e = only_play();
        EXPECT_EQ(e.sound, c.file);
        EXPECT_EQ(e.channel, match::channel.*c.channel) << c.file;
        EXPECT_FLOAT_EQ(e.volume, c.volume) << c.file;
    }
}

TEST_F(MatchSoundTriggers, RestartsInsteadOfOverlappingButFrameHitsWaitForTheirChannel) {
    play_kick();
    play_kick();
    ASSERT_EQ(mixer.plays().size(), 2u);
    EXPECT_EQ(mixer.plays()[0].channel, mixer.plays()[1].channel);
    mixer.events.clear();
    play_frame_hit();
    play_frame_hit(); // the second post hit comes while the first still sounds
    play_flag_hit();
    EXPECT_EQ(mixer.plays().size(), 1u);
    play_grass_bounce(300); // a bounce on the grass cuts in regardless
    EXPECT_EQ(mixer.plays().size(), 2u);
    mixer.finish_all();
    play_frame_hit();
    EXPECT_EQ(mixer.plays().size(), 3u);
}

TEST_F(MatchSoundTriggers, GrassBounceFollowsTheImpact) {
    EXPECT_DOUBLE_EQ(grass_bounce_volume(240), 0.4);
    EXPECT_DOUBLE_EQ(grass_bounce_volume(60), 0.1);
    EXPECT_DOUBLE_EQ(grass_bounce_volume(5000), 1.0);
    match_settings.sound_vol = 10;
    EXPECT_DOUBLE_EQ(grass_bounce_volume(240), 1.0);
    play_grass_bounce(120);
    EXPECT_FLOAT_EQ(only_play().volume, 0.5f);
}

TEST_F(MatchSoundTriggers, BallHittingAFlagOrAJumperKnocksQuietlyUnlessTheBounceStillSounds) {
    // (x0, y0) just outside, (x, y) inside the post; z under its height.
    const struct {
        void (t_ball::*collide)();
        double x0, y0, x, y, z;
    } posts[] = {
        {&t_ball::collision_flagposts, 500, 635, 507, 638, 10},
        {&t_ball::collision_jumpers, 85, 684, 89, 684, 40},
        {&t_ball::collision_jumpers, -85, -684, -89, -684, 0},
    };
    for (const auto& post : posts) {
        t_ball b;
        const auto hit = [&] {
            b.x0 = post.x0;
            b.y0 = post.y0;
            b.set_position(post.x, post.y, post.z);
            b.v = 100;
            (b.*post.collide)();
        };
        mixer.finish_all();
        mixer.events.clear();
        hit();
        const t_event e = only_play();
        EXPECT_EQ(e.sound, "sfx/bounce.ogg") << post.x;
        EXPECT_EQ(e.channel, match::channel.bounce) << post.x;
        EXPECT_FLOAT_EQ(e.volume, 0.2f) << post.x;
        hit();
        EXPECT_EQ(mixer.plays().size(), 1u) << "the bounce still sounds: " << post.x;
        mixer.finish_all();
        mixer.events.clear();
        b.x0 = post.x0;
        b.y0 = post.y0;
        b.set_position(post.x0, post.y0, post.z);
        (b.*post.collide)();
        EXPECT_TRUE(mixer.plays().empty()) << "a miss is silent: " << post.x;
    }
}

TEST_F(MatchSoundTriggers, ChantInTheFirstTwoSecondsOfEverySixteen) {
    update_chant(3 * 16000 + 2500);
    EXPECT_TRUE(mixer.plays().empty());
    update_chant(3 * 16000 + 1999);
    EXPECT_EQ(only_play().channel, match::channel.chant);
    EXPECT_FLOAT_EQ(mixer.plays()[0].volume, 0.4f);
    update_chant(3 * 16000 + 1000);
    EXPECT_EQ(mixer.plays().size(), 1u) << "not again while the chant is playing";
    mixer.finish_all();
    mixer.events.clear();
    settings.crowd_chants = 0; // F10: still started, silently
    update_chant(4 * 16000);
    EXPECT_FLOAT_EQ(only_play().volume, 0.0f);
}

TEST_F(MatchSoundTriggers, GoalCommentaryFollowsTheLastTouch) {
    std::set<std::string> goal_calls, own_goal_calls;
    seed_rnd(12);
    for (int goal = 0; goal < 200; ++goal) {
        mixer.events.clear();
        play_goal_sounds(true);
        auto p = mixer.plays();
        ASSERT_EQ(p.size(), 2u);
        EXPECT_EQ(p[0].sound, "sfx/homegoal.ogg");
        EXPECT_EQ(p[1].channel, commentary_channel);
        goal_calls.insert(p[1].sound);
        mixer.events.clear();
        play_goal_sounds(false);
        p = mixer.plays();
        ASSERT_EQ(p.size(), 2u);
        own_goal_calls.insert(p[1].sound);
    }
    EXPECT_EQ(goal_calls, (std::set<std::string>{"sfx/commentary/101.ogg", "sfx/commentary/102.ogg",
                                                 "sfx/commentary/103.ogg", "sfx/commentary/104.ogg",
                                                 "sfx/commentary/105.ogg", "sfx/commentary/106.ogg"}));
    ASSERT_EQ(own_goal_calls.size(), 6u);
    EXPECT_EQ(*own_goal_calls.begin(), "sfx/commentary/201.ogg");
    EXPECT_EQ(*own_goal_calls.rbegin(), "sfx/commentary/206.ogg");

    mixer.events.clear();
    match_settings.commentary = 0; // F8
    play_goal_sounds(true);
    EXPECT_EQ(only_play().sound, "sfx/homegoal.ogg");
}

TEST_F(MatchSoundTriggers, CornerCommentaryOnlyWithCommentaryOn) {
    play_corner_commentary();
    const t_event e = only_play();
    EXPECT_EQ(e.channel, commentary_channel);
    EXPECT_EQ(e.sound.substr(0, 17), "sfx/commentary/30");
    mixer.events.clear();
    match_settings.commentary = 0;
    play_corner_commentary();
    EXPECT_TRUE(mixer.plays().empty());
}

TEST_F(MatchSoundTriggers, NearMissGroansOnceWhileTheBallStaysClose) {
    int32_t missed_goal = 0;
    update_near_miss(true, missed_goal);
    update_near_miss(true, missed_goal);
    EXPECT_EQ(only_play().sound, "sfx/missgoal.ogg");
    EXPECT_EQ(missed_goal, 1);
    update_near_miss(false, missed_goal);
    EXPECT_EQ(missed_goal, 0);
    update_near_miss(true, missed_goal);
    EXPECT_EQ(mixer.plays().size(), 2u);
}

TEST_F(MatchSoundTriggers, SilentAtVolumeZeroAndNothingWithSoundOff) {
    match_settings.sound_vol = 0;
    play_whistle();
    play_kick();
    play_grass_bounce(900);
    update_chant(0);
    play_goal_sounds(true);
    for (const t_event& e : mixer.plays()) EXPECT_FLOAT_EQ(e.volume, 0.0f) << e.sound;
    EXPECT_EQ(mixer.plays().size(), 6u);

    mixer.events.clear();
    mixer.finish_all();
    settings.sound_enabled = 0;
    play_whistle();
    play_long_whistle();
    play_frame_hit();
    update_chant(0);
    play_goal_sounds(false);
    play_corner_commentary();
    play_match_sound("kick", 1.0);
    EXPECT_TRUE(mixer.plays().empty());
}

TEST_F(MatchSoundTriggers, QuitStopsTheCrowdAndTheCheerOnly) {
    start_crowd();
    play_goal_sounds(true);
    mixer.events.clear();
    stop_match_sounds();
    std::set<const ::t_channel*> stopped;
    for (const t_event& e : mixer.events)
        if (e.what == "stop") stopped.insert(e.channel.get());
    EXPECT_EQ(stopped, (std::set<const ::t_channel*>{match::channel.crowd.get(), match::channel.homegoal.get()}));
    release_match_sounds();
    play_whistle(); // after the match nothing is left to play
    EXPECT_TRUE(mixer.plays().empty());
}

TEST_F(MatchSoundTriggers, EffectsByName) {
    play_match_sound("whistle", 0.3);
    EXPECT_EQ(only_play().channel, match::channel.whistle);
    EXPECT_TRUE(match_sound_playing("whistle"));
    play_match_sound_once("whistle", 0.3);
    EXPECT_EQ(mixer.plays().size(), 1u);
    stop_match_sound("whistle");
    EXPECT_FALSE(match_sound_playing("whistle"));
    play_match_sound("no_such_sound", 1.0);
    EXPECT_EQ(mixer.plays().size(), 1u);
}

} // namespace
