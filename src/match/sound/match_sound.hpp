#pragma once
// Match sound: crowd, whistles, kicks, bounces, chants and commentary.
#include <array>
#include <cstdint>
#include <string>

#include "platform/sound.hpp"

// The platform layer already owns the names t_sound (a decoded sample) and t_channel (a mixer voice),
// so the match's records of its effects live in this namespace.
namespace match {

// Every effect of the match, loaded from "sfx" by MatchLoading.
class t_sound {
public:
    t_sound_ref intro;
    t_sound_ref crowd;
    t_sound_ref bounce;
    t_sound_ref kick;
    t_sound_ref whistle;
    t_sound_ref missgoal;
    t_sound_ref homegoal;
    t_sound_ref chant;
    t_sound_ref endgame;
    t_sound_ref whistle_foul;
};

// One channel per effect, so an effect restarts instead of overlapping itself.
class t_channel {
public:
    t_channel_ref intro;
    t_channel_ref crowd;
    t_channel_ref bounce;
    t_channel_ref kick;
    t_channel_ref whistle;
    t_channel_ref missgoal;
    t_channel_ref homegoal;
    t_channel_ref chant;
    t_channel_ref endgame;
    t_channel_ref whistle_foul;
};

extern t_sound sound;
extern t_channel channel;

} // namespace match

constexpr int COMMENTARY_SAMPLES = 6;
using t_commentary_set = std::array<t_sound_ref, COMMENTARY_SAMPLES>;

extern t_commentary_set commentary_goal;
extern t_commentary_set commentary_own_goal;
extern t_commentary_set commentary_corner;
extern t_channel_ref commentary_channel;

// What the match sound asks of the mixer. The real mixer is used unless a test puts a recording fake in.
class t_sound_output {
public:
    virtual ~t_sound_output() = default;
    virtual t_sound_ref load(const std::string& folder, const std::string& name, int flags) = 0;
    virtual t_channel_ref alloc() = 0;
    virtual void set_volume(const t_channel_ref& ch, float volume) = 0;
    virtual void play(const t_sound_ref& s, const t_channel_ref& ch) = 0;
    virtual bool playing(const t_channel_ref& ch) = 0;
    virtual void stop(const t_channel_ref& ch) = 0;
};
// Null restores the real mixer.
void set_sound_output(t_sound_output* output);

// MatchLoading: loads every effect and commentary sample (a missing file is fatal through the loader)
// and allocates the ten channels.
void load_match_sounds();
// Last step of MatchLoading: the crowd loop starts, even with sound effects switched off.
void start_crowd();
// F5/F6: the crowd follows match_settings.sound_vol at once.
void set_crowd_volume();
// quit_match(): the crowd and the goal cheer stop; the sounds and channels are dropped.
void stop_match_sounds();
void release_match_sounds();

// Triggers of the match phases; each does nothing while settings.sound_enabled is 0.
// Open play, every update: the chant in the first two seconds of every 16-second window.
void update_chant(long wall_clock_ms);
// Kick-off, throw-in, corner and goal-kick phases.
void play_whistle();
// Ends of the periods.
void play_long_whistle();
// A goal counted in open play: the cheer, then goal or own-goal commentary by who touched the ball last.
void play_goal_sounds(bool scorer_touched_last);
// Entry of the corner positions phase.
void play_corner_commentary();
// The referee stops play for a foul: one sharp blast.
void play_foul_whistle();
// Commentary for a penalty, a free kick or a card (a group of commentary_extra.hpp). `variant` picks the
// line (the caller passes the match clock), not the match's random numbers: sound never changes play.
void play_referee_commentary(int group, int variant);
// Near miss, once while the ball stays close to the goal: `missed_goal` is t_match_main's guard.
void update_near_miss(bool near_miss, int32_t& missed_goal);
void play_kick();
void play_kick_charge();
// A live bounce on the grass, louder with the vertical speed the ball leaves the grass with.
void play_grass_bounce(double vz);
double grass_bounce_volume(double vz);
// Posts, crossbar and net; corner flags and jumpers. Skipped while the bounce still sounds.
void play_frame_hit();
void play_flag_hit();

// Effects by name ("bounce", "kick" ...) at an absolute volume 0..1.
void play_match_sound(const std::string& name, double volume);
// Only when the effect's channel is not already playing.
void play_match_sound_once(const std::string& name, double volume);
bool match_sound_playing(const std::string& name);
void stop_match_sound(const std::string& name);
