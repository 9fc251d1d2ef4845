#include "match/sound/match_sound.hpp"

#include <algorithm>
#include <cstdlib>

#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "football/match_settings.hpp"
#include "match/sound/commentary_extra.hpp"
#include "platform/random.hpp"

namespace match {
t_sound sound;
t_channel channel;
} // namespace match

t_commentary_set commentary_goal;
t_commentary_set commentary_own_goal;
t_commentary_set commentary_corner;
t_channel_ref commentary_channel;
// Groups COMMENTARY_PENALTY .. COMMENTARY_RED_CARD, in that order.
std::array<t_commentary_set, COMMENTARY_RED_CARD - COMMENTARY_PENALTY + 1> commentary_referee;

namespace {

constexpr double USUAL_LEVEL = 0.1;
constexpr double CHARGE_LEVEL = 0.05;
constexpr double FLAG_LEVEL = 0.05;
constexpr long CHANT_WINDOW_MS = 16000;
constexpr long CHANT_START_MS = 2000;
constexpr double SUB_STEPS_PER_SECOND = 480.0;

class t_real_mixer : public t_sound_output {
public:
    t_sound_ref load(const std::string& folder, const std::string& name, int flags) override {
        return load_sound_from(folder, name, flags);
    }
    t_channel_ref alloc() override { return alloc_channel(); }
    void set_volume(const t_channel_ref& ch, float volume) override { set_channel_volume(ch, volume); }
    void play(const t_sound_ref& s, const t_channel_ref& ch) override { play_sound(s, ch); }
    bool playing(const t_channel_ref& ch) override { return channel_playing(ch); }
    void stop(const t_channel_ref& ch) override { stop_channel(ch); }
};

t_real_mixer real_mixer;
t_sound_output* output = &real_mixer;

struct t_effect {
    const char* name;
    t_sound_ref match::t_sound::*sound;
    t_channel_ref match::t_channel::*channel;
    int flags;
};

constexpr std::array<t_effect, 10> EFFECTS{{
    {"intro", &match::t_sound::intro, &match::t_channel::intro, 0},
    {"crowd", &match::t_sound::crowd, &match::t_channel::crowd, LOOPING_SOUND},
    {"bounce", &match::t_sound::bounce, &match::t_channel::bounce, 0},
    {"kick", &match::t_sound::kick, &match::t_channel::kick, 0},
    {"whistle", &match::t_sound::whistle, &match::t_channel::whistle, 0},
    {"missgoal", &match::t_sound::missgoal, &match::t_channel::missgoal, 0},
    {"homegoal", &match::t_sound::homegoal, &match::t_channel::homegoal, 0},
    {"chant", &match::t_sound::chant, &match::t_channel::chant, 0},
    {"endgame", &match::t_sound::endgame, &match::t_channel::endgame, 0},
    {"whistle_foul", &match::t_sound::whistle_foul, &match::t_channel::whistle_foul, 0},
}};

const t_effect* find_effect(const std::string& name) {
    const auto it = std::find_if(EFFECTS.begin(), EFFECTS.end(), [&](const t_effect& e) { return name == e.name; });
    return it == EFFECTS.end() ? nullptr : &*it;
}

bool sound_on() { return settings.sound_enabled != 0; }

double usual_volume(double share) { return share * match_settings.sound_vol; }

void start(const t_sound_ref& s, const t_channel_ref& ch, double volume) {
    if (!s || !ch) return;
    output->set_volume(ch, static_cast<float>(std::clamp(volume, 0.0, 1.0)));
    output->play(s, ch);
}

void trigger(const t_sound_ref& s, const t_channel_ref& ch, double volume) {
    if (sound_on()) start(s, ch, volume);
}

void trigger_unless_playing(const t_sound_ref& s, const t_channel_ref& ch, double volume) {
    if (sound_on() && !output->playing(ch)) start(s, ch, volume);
}

void load_commentary(t_commentary_set& set, int hundreds) {
    for (int i = 1; i <= COMMENTARY_SAMPLES; ++i)
        set[static_cast<size_t>(i - 1)] = output->load("sfx/commentary", std::to_string(hundreds * 100 + i) + ".ogg", 0);
}

void comment(const t_commentary_set& set) {
    trigger(set[static_cast<size_t>(rand(0, COMMENTARY_SAMPLES - 1))], commentary_channel, usual_volume(USUAL_LEVEL));
}

} // namespace

void set_sound_output(t_sound_output* replacement) { output = replacement ? replacement : &real_mixer; }

void load_match_sounds() {
    for (const t_effect& e : EFFECTS) match::sound.*e.sound = output->load("sfx", std::string(e.name) + ".ogg", e.flags);
    load_commentary(commentary_goal, 1);
    load_commentary(commentary_own_goal, 2);
    load_commentary(commentary_corner, 3);
    for (int group = COMMENTARY_PENALTY; group <= COMMENTARY_RED_CARD; ++group)
        load_commentary(commentary_referee[static_cast<size_t>(group - COMMENTARY_PENALTY)], group);
    for (const t_effect& e : EFFECTS) match::channel.*e.channel = output->alloc();
    commentary_channel = output->alloc();
}

void start_crowd() { start(match::sound.crowd, match::channel.crowd, usual_volume(USUAL_LEVEL)); }

void set_crowd_volume() {
    if (match::channel.crowd)
        output->set_volume(match::channel.crowd, static_cast<float>(std::clamp(usual_volume(USUAL_LEVEL), 0.0, 1.0)));
}

void stop_match_sounds() {
    if (match::channel.crowd) output->stop(match::channel.crowd);
    if (match::channel.homegoal) output->stop(match::channel.homegoal);
}

void release_match_sounds() {
    // The remaining effects and the commentary play out on their own; nothing else refers to them.
    match::sound = {};
    match::channel = {};
    commentary_goal = {};
    commentary_own_goal = {};
    commentary_corner = {};
    commentary_channel = nullptr;
}

void update_chant(long wall_clock_ms) {
    if (wall_clock_ms % CHANT_WINDOW_MS >= CHANT_START_MS) return;
    trigger_unless_playing(match::sound.chant, match::channel.chant, usual_volume(USUAL_LEVEL) * settings.crowd_chants);
}

void play_whistle() { trigger(match::sound.whistle, match::channel.whistle, usual_volume(USUAL_LEVEL)); }

void play_long_whistle() { trigger(match::sound.endgame, match::channel.endgame, usual_volume(USUAL_LEVEL)); }

void play_goal_sounds(bool scorer_touched_last) {
    trigger(match::sound.homegoal, match::channel.homegoal, usual_volume(USUAL_LEVEL));
    if (match_settings.commentary == 1) comment(scorer_touched_last ? commentary_goal : commentary_own_goal);
}

void play_corner_commentary() {
    if (match_settings.commentary != 0) comment(commentary_corner);
}

void play_foul_whistle() { trigger(match::sound.whistle_foul, match::channel.whistle_foul, usual_volume(USUAL_LEVEL)); }

void play_referee_commentary(int group, int variant) {
    if (match_settings.commentary == 0 || group < COMMENTARY_PENALTY || group > COMMENTARY_RED_CARD) return;
    const t_commentary_set& set = commentary_referee[static_cast<size_t>(group - COMMENTARY_PENALTY)];
    const auto line = static_cast<size_t>(std::abs(variant) % COMMENTARY_SAMPLES);
    trigger(set[line], commentary_channel, usual_volume(USUAL_LEVEL));
}

void update_near_miss(bool near_miss, int32_t& missed_goal) {
    if (!near_miss) {
        missed_goal = 0;
        return;
    }
    if (missed_goal != 0) return;
    missed_goal = 1;
    trigger(match::sound.missgoal, match::channel.missgoal, usual_volume(USUAL_LEVEL));
}

void play_kick() { trigger(match::sound.kick, match::channel.kick, usual_volume(USUAL_LEVEL)); }

void play_kick_charge() { trigger(match::sound.kick, match::channel.kick, usual_volume(CHARGE_LEVEL)); }

double grass_bounce_volume(double vz) {
    return std::min(2.0 * vz / SUB_STEPS_PER_SECOND * usual_volume(USUAL_LEVEL), 1.0);
}

void play_grass_bounce(double vz) { trigger(match::sound.bounce, match::channel.bounce, grass_bounce_volume(vz)); }

void play_frame_hit() {
    trigger_unless_playing(match::sound.bounce, match::channel.bounce, usual_volume(USUAL_LEVEL));
}

void play_flag_hit() { trigger_unless_playing(match::sound.bounce, match::channel.bounce, usual_volume(FLAG_LEVEL)); }

void play_match_sound(const std::string& name, double volume) {
    if (const t_effect* e = find_effect(name)) trigger(match::sound.*e->sound, match::channel.*e->channel, volume);
}

void play_match_sound_once(const std::string& name, double volume) {
    if (const t_effect* e = find_effect(name))
        trigger_unless_playing(match::sound.*e->sound, match::channel.*e->channel, volume);
}

bool match_sound_playing(const std::string& name) {
    const t_effect* e = find_effect(name);
    return e && match::channel.*e->channel && output->playing(match::channel.*e->channel);
}

void stop_match_sound(const std::string& name) {
    const t_effect* e = find_effect(name);
    if (e && match::channel.*e->channel) output->stop(match::channel.*e->channel);
}
