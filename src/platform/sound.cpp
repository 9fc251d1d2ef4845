#include "platform/sound.hpp"

#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>
#include <mutex>

#include "platform/stream.hpp"

class t_channel {
public:
    t_sound_ref sound;
    size_t position = 0;
    float volume = 1.0f;
    bool playing = false;
};

namespace {

struct t_mixer {
    std::mutex lock;
    std::vector<t_channel_ref> channels;
    SDL_AudioDeviceID device = 0;
    std::string driver;
    bool disabled = false;
};

t_mixer mixer;

std::vector<int16_t> to_stereo_at_rate(const int16_t* in, size_t frames, int channels, int rate) {
    std::vector<int16_t> out;
    if (frames == 0 || channels <= 0 || rate <= 0) return out;
    const double step = static_cast<double>(rate) / MIXER_RATE;
    const auto out_frames = static_cast<size_t>(static_cast<double>(frames) / step);
    out.resize(out_frames * 2);
    for (size_t i = 0; i < out_frames; ++i) {
        const double src = static_cast<double>(i) * step;
        const auto a = static_cast<size_t>(src);
        const size_t b = std::min(a + 1, frames - 1);
        const double t = src - static_cast<double>(a);
        for (int c = 0; c < 2; ++c) {
            const int sc = std::min(c, channels - 1);
            const double va = in[a * static_cast<size_t>(channels) + static_cast<size_t>(sc)];
            const double vb = in[b * static_cast<size_t>(channels) + static_cast<size_t>(sc)];
            out[i * 2 + static_cast<size_t>(c)] = static_cast<int16_t>(va + (vb - va) * t);
        }
    }
    return out;
}

// Rates a sound file may have; a hostile rate of a few hertz would blow a
// short file up to gigabytes when resampled to the mixer's rate.
bool usable_rate(long rate) { return rate >= 4000 && rate <= 192000; }

struct t_ogg_source {
    const std::vector<uint8_t>* bytes;
    size_t pos;
};

size_t ogg_read(void* ptr, size_t size, size_t count, void* source) {
    auto* s = static_cast<t_ogg_source*>(source);
    const size_t want = size * count;
    const size_t left = s->bytes->size() - s->pos;
    const size_t n = std::min(want, left);
    std::memcpy(ptr, s->bytes->data() + s->pos, n);
    s->pos += n;
    return size == 0 ? 0 : n / size;
}

int ogg_seek(void* source, ogg_int64_t offset, int whence) {
    auto* s = static_cast<t_ogg_source*>(source);
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(s->pos);
    if (whence == SEEK_END) base = static_cast<ogg_int64_t>(s->bytes->size());
    const ogg_int64_t p = base + offset;
    if (p < 0 || p > static_cast<ogg_int64_t>(s->bytes->size())) return -1;
    s->pos = static_cast<size_t>(p);
    return 0;
}

long ogg_tell(void* source) { return static_cast<long>(static_cast<t_ogg_source*>(source)->pos); }

t_sound_ref decode_ogg(const std::vector<uint8_t>& bytes, bool looping) {
    t_ogg_source src{&bytes, 0};
    OggVorbis_File vf;
    const ov_callbacks callbacks{ogg_read, ogg_seek, nullptr, ogg_tell};
    if (ov_open_callbacks(&src, &vf, nullptr, 0, callbacks) != 0) return nullptr;
    const vorbis_info* info = ov_info(&vf, -1);
    const int channels = info->channels;
    if (!usable_rate(info->rate) || info->channels <= 0) {
        ov_clear(&vf);
        return nullptr;
    }
    const int rate = static_cast<int>(info->rate);
    std::vector<int16_t> pcm;
    char buf[16384];
    int section = 0;
    for (;;) {
        const long n = ov_read(&vf, buf, sizeof buf, 0, 2, 1, &section);
        if (n < 0) {
            ov_clear(&vf);
            return nullptr;
        }
        if (n == 0) break;
        const size_t old = pcm.size();
        pcm.resize(old + static_cast<size_t>(n) / 2);
        std::memcpy(pcm.data() + old, buf, static_cast<size_t>(n) & ~static_cast<size_t>(1));
    }
    ov_clear(&vf);
    const size_t frames = pcm.size() / static_cast<size_t>(std::max(1, channels));
    return std::make_shared<t_sound>(to_stereo_at_rate(pcm.data(), frames, channels, rate), looping);
}

// SDL allocates what a chunk header claims before reading it, so a claim
// beyond the end of the file is refused here.
bool riff_chunks_fit(const std::vector<uint8_t>& b) {
    for (size_t at = 12; at + 8 <= b.size();) {
        const uint32_t length = b[at + 4] | (b[at + 5] << 8) | (b[at + 6] << 16) | (static_cast<uint32_t>(b[at + 7]) << 24);
        if (length > b.size() - at - 8) return false;
        at += 8 + static_cast<size_t>(length) + (length & 1);
    }
    return true;
}

t_sound_ref decode_wav(const std::vector<uint8_t>& bytes, bool looping) {
    if (!riff_chunks_fit(bytes)) return nullptr;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    SDL_AudioSpec format{};
    Uint8* data = nullptr;
    Uint32 len = 0;
    if (SDL_LoadWAV_RW(rw, 1, &format, &data, &len) == nullptr) return nullptr;
    if (!usable_rate(format.freq) || format.channels == 0) {
        SDL_FreeWAV(data);
        return nullptr;
    }
    SDL_AudioCVT cvt{};
    if (SDL_BuildAudioCVT(&cvt, format.format, format.channels, format.freq, AUDIO_S16LSB, 2, MIXER_RATE) < 0) {
        SDL_FreeWAV(data);
        return nullptr;
    }
    std::vector<uint8_t> work(static_cast<size_t>(len) * static_cast<size_t>(std::max(1, cvt.len_mult)));
    std::memcpy(work.data(), data, len);
    SDL_FreeWAV(data);
    cvt.len = static_cast<int>(len);
    cvt.buf = work.data();
    if (cvt.needed != 0 && SDL_ConvertAudio(&cvt) != 0) return nullptr;
    const auto out_len = static_cast<size_t>(cvt.needed != 0 ? cvt.len_cvt : static_cast<int>(len));
    std::vector<int16_t> pcm(out_len / 2);
    std::memcpy(pcm.data(), work.data(), pcm.size() * 2);
    return std::make_shared<t_sound>(std::move(pcm), looping);
}

void audio_callback(void* /*user*/, Uint8* stream, int len) {
    mix_channels(reinterpret_cast<int16_t*>(stream), len / 4);
}

} // namespace

t_sound_ref decode_sound(const std::vector<uint8_t>& bytes, int flags) {
    const bool looping = (flags & LOOPING_SOUND) != 0;
    if (bytes.size() >= 4 && std::memcmp(bytes.data(), "OggS", 4) == 0) return decode_ogg(bytes, looping);
    if (bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0) return decode_wav(bytes, looping);
    return nullptr;
}

t_sound_ref load_sound(const std::string& path, int flags) {
    std::vector<uint8_t> bytes;
    if (!load_file_bytes(path, bytes)) return nullptr;
    return decode_sound(bytes, flags);
}

void mix_channels(int16_t* out, int frames) {
    std::vector<int32_t> acc(static_cast<size_t>(frames) * 2, 0);
    {
        const std::lock_guard<std::mutex> guard(mixer.lock);
        for (const t_channel_ref& ch : mixer.channels) {
            if (!ch->playing || !ch->sound) continue;
            const std::vector<int16_t>& s = ch->sound->samples();
            const size_t total = ch->sound->frames();
            if (total == 0) {
                ch->playing = false;
                continue;
            }
            const auto vol = static_cast<int32_t>(std::clamp(ch->volume, 0.0f, 1.0f) * 256.0f);
            for (int i = 0; i < frames; ++i) {
                if (ch->position >= total) {
                    if (!ch->sound->looping()) {
                        ch->playing = false;
                        break;
                    }
                    ch->position = 0;
                }
                acc[static_cast<size_t>(i) * 2] += s[ch->position * 2] * vol / 256;
                acc[static_cast<size_t>(i) * 2 + 1] += s[ch->position * 2 + 1] * vol / 256;
                ++ch->position;
            }
        }
        // Channels nobody holds any more and that have finished are dropped.
        std::erase_if(mixer.channels, [](const t_channel_ref& c) { return !c->playing && c.use_count() == 1; });
    }
    for (size_t i = 0; i < acc.size(); ++i) out[i] = static_cast<int16_t>(std::clamp(acc[i], -32768, 32767));
}

t_channel_ref alloc_channel() { return std::make_shared<t_channel>(); }

t_channel_ref play_sound(const t_sound_ref& sound, t_channel_ref channel) {
    if (!channel) channel = alloc_channel();
    if (!sound || mixer.disabled) return channel;
    const std::lock_guard<std::mutex> guard(mixer.lock);
    channel->sound = sound;
    channel->position = 0;
    channel->playing = true;
    if (std::find(mixer.channels.begin(), mixer.channels.end(), channel) == mixer.channels.end())
        mixer.channels.push_back(channel);
    return channel;
}

void stop_channel(const t_channel_ref& channel) {
    if (!channel) return;
    const std::lock_guard<std::mutex> guard(mixer.lock);
    channel->playing = false;
}

bool channel_playing(const t_channel_ref& channel) {
    if (!channel) return false;
    const std::lock_guard<std::mutex> guard(mixer.lock);
    return channel->playing;
}

void set_channel_volume(const t_channel_ref& channel, float volume) {
    if (!channel) return;
    const std::lock_guard<std::mutex> guard(mixer.lock);
    channel->volume = volume;
}

std::vector<std::string> audio_drivers() {
    // "FreeAudio" is the mixer on SDL's own choice of device; the others force one of SDL's drivers.
    std::vector<std::string> names{"FreeAudio"};
    for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) names.emplace_back(SDL_GetAudioDriver(i));
    return names;
}

void set_audio_driver(const std::string& name) { mixer.driver = name; }

void set_sound_disabled(bool disabled) { mixer.disabled = disabled; }

bool open_audio() {
    if (mixer.disabled) return false;
    if (mixer.device != 0) return true;
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0) {
        const bool forced = !mixer.driver.empty() && mixer.driver != "FreeAudio" && mixer.driver != "auto";
        if (forced) SDL_setenv("SDL_AUDIODRIVER", mixer.driver.c_str(), 1);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    }
    SDL_AudioSpec want{};
    want.freq = MIXER_RATE;
    want.format = AUDIO_S16LSB;
    want.channels = 2;
    want.samples = 1024;
    want.callback = audio_callback;
    SDL_AudioSpec got{};
    mixer.device = SDL_OpenAudioDevice(nullptr, 0, &want, &got, 0);
    if (mixer.device == 0) return false;
    SDL_PauseAudioDevice(mixer.device, 0);
    return true;
}

void close_audio() {
    if (mixer.device != 0) SDL_CloseAudioDevice(mixer.device);
    mixer.device = 0;
}
