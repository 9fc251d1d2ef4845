#pragma once
// The one-line message over the match ("ACTION RECORDED", the volume bar ...).
#include <string>

extern std::string hud_message;
// Wall-clock ms of the render before the message was set.
extern long hud_message_time;
// Wall-clock ms of the previous render.
extern long last_render_time;

// Every word of `words` goes through the dictionary; `tail` is shown as it is.
void show_hud_message(const std::string& words, const std::string& tail = "");
// After the message is drawn: a message older than 1200 ms goes, then the render time is taken.
void age_hud_message(long now_ms);
// Draws the message centred at the top and ages it.
void draw_hud_message();

constexpr long HUD_MESSAGE_MS = 1200;
