#include "match/overlays/hud_message.hpp"

#include <sstream>

#include "core/dictionary.hpp"
#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "platform/timer.hpp"

std::string hud_message;
long hud_message_time = 0;
long last_render_time = 0;

namespace {
// A word the dictionary lacks is shown as it is rather than vanishing from the message.
std::string translated_word(const std::string& word) {
    const std::string t = translate(word);
    return t.empty() ? word : t;
}
} // namespace

void show_hud_message(const std::string& words, const std::string& tail) {
    std::istringstream in(words);
    std::string message;
    std::string word;
    while (in >> word) {
        if (!message.empty()) message += ' ';
        message += translated_word(word);
    }
    hud_message = message + tail;
    hud_message_time = last_render_time;
}

void age_hud_message(long now_ms) {
    if (last_render_time - hud_message_time > HUD_MESSAGE_MS) hud_message.clear();
    last_render_time = now_ms;
}

void draw_hud_message() {
    if (!hud_message.empty()) draw_text_10(hud_message, static_cast<float>(screen_w / 2), 1, font_10, 0);
    age_hud_message(millisecs());
}
