#include "match/overlays/hud_message.hpp"

#include "core/dictionary.hpp"
#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "match/overlays/overlay_backing.hpp"
#include "platform/timer.hpp"

std::string hud_message;
long hud_message_time = 0;
long last_render_time = 0;

std::string hud_text(const std::string& key) {
    const std::string t = translate(key);
    return t.empty() ? key : t;
}

void show_hud_message(const std::string& label, const std::string& tail) {
    hud_message = hud_text(label) + tail;
    hud_message_time = last_render_time;
}

void age_hud_message(long now_ms) {
    if (last_render_time - hud_message_time > HUD_MESSAGE_MS) hud_message.clear();
    last_render_time = now_ms;
}

void draw_hud_message() {
    if (!hud_message.empty()) {
        draw_text_backing(hud_message, screen_w / 2, 1, 10, 0);
        draw_text_10(hud_message, static_cast<float>(screen_w / 2), 1, font_10, 0);
    }
    age_hud_message(millisecs());
}
