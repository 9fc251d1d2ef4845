#include "match/match_sound.hpp"

#include <algorithm>
#include <map>

#include "core/globals.hpp"
#include "platform/files.hpp"
#include "platform/sound.hpp"

namespace {
struct t_effect {
    t_sound_ref sound;
    t_channel_ref channel;
};

std::map<std::string, t_effect>& effects() {
    static std::map<std::string, t_effect> table;
    return table;
}

constexpr const char* EFFECT_NAMES[] = {"intro", "crowd", "bounce", "kick", "whistle", "missgoal", "homegoal", "chant",
                                        "endgame"};
} // namespace

void load_match_sounds() {
    effects().clear();
    if (settings.sound_enabled == 0) return;
    for (const char* name : EFFECT_NAMES) {
        const std::string path = std::string("sfx/") + name + ".ogg";
        if (file_type(path) != 1) continue;
        t_effect e;
        e.sound = load_sound(path, std::string(name) == "crowd" ? LOOPING_SOUND : 0);
        e.channel = alloc_channel();
        effects()[name] = e;
    }
}

void release_match_sounds() {
    for (auto& [name, e] : effects()) stop_channel(e.channel);
    effects().clear();
}

void play_match_sound(const std::string& name, double volume) {
    const auto it = effects().find(name);
    if (it == effects().end() || !it->second.sound) return;
    play_sound(it->second.sound, it->second.channel);
    set_channel_volume(it->second.channel, static_cast<float>(std::clamp(volume, 0.0, 1.0)));
}

void play_match_sound_once(const std::string& name, double volume) {
    if (!match_sound_playing(name)) play_match_sound(name, volume);
}

bool match_sound_playing(const std::string& name) {
    const auto it = effects().find(name);
    return it != effects().end() && channel_playing(it->second.channel);
}

void stop_match_sound(const std::string& name) {
    const auto it = effects().find(name);
    if (it != effects().end()) stop_channel(it->second.channel);
}
