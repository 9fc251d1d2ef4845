#pragma once
// Sounds, channels and the mixer.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

constexpr int LOOPING_SOUND = 1;
constexpr int MIXER_RATE = 44100;

// Decoded samples: interleaved stereo 16-bit at the mixer rate.
class t_sound {
public:
    t_sound(std::vector<int16_t> samples, bool looping) : samples_(std::move(samples)), looping_(looping) {}
    const std::vector<int16_t>& samples() const { return samples_; }
    bool looping() const { return looping_; }
    size_t frames() const { return samples_.size() / 2; }

private:
    std::vector<int16_t> samples_;
    bool looping_;
};

using t_sound_ref = std::shared_ptr<const t_sound>;

// A voice of the software mixer.
class t_channel;
using t_channel_ref = std::shared_ptr<t_channel>;

// WAV or Ogg Vorbis from a file or bytes; none on failure.
t_sound_ref load_sound(const std::string& path, int flags = 0);
t_sound_ref decode_sound(const std::vector<uint8_t>& bytes, int flags = 0);

t_channel_ref alloc_channel();
t_channel_ref play_sound(const t_sound_ref& sound, t_channel_ref channel = nullptr);
void stop_channel(const t_channel_ref& channel);
bool channel_playing(const t_channel_ref& channel);
void set_channel_volume(const t_channel_ref& channel, float volume);

// "FreeAudio" is the game's mixer on whatever device SDL picks.
std::vector<std::string> audio_drivers();
void set_audio_driver(const std::string& name);
// Opens the device; false (silence) when none is available.
bool open_audio();
void close_audio();
void set_sound_disabled(bool disabled);

// Mixes `frames` stereo frames of every playing channel (the device callback uses it; tests call it directly).
void mix_channels(int16_t* out, int frames);
