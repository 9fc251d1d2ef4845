#include "ui/menu_music.hpp"

#include "core/globals.hpp"

void menu_music_frame() {
    const float target = music_muted != 0 ? 0.0f : static_cast<float>(settings.music_vol);
    if (music_level > target) music_level -= 5;
    if (music_level < target) music_level += 2;
}
