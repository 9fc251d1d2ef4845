#pragma once
// The one-line message over the match ("ACTION RECORDED", the volume bar ...).
#include <string>

extern std::string hud_message;
// Wall-clock ms of the render before the message was set.
extern long hud_message_time;
// Wall-clock ms of the previous render.
extern long last_render_time;

// A text of the dictionary, or the key itself when the dictionary lacks it: a message never loses its words.
std::string hud_text(const std::string& key);
// `label` is looked up whole ("CROWD CHANTS" has its own wording, not one per word); `tail` is shown as it is.
void show_hud_message(const std::string& label, const std::string& tail = "");
// After the message is drawn: a message older than 1200 ms goes, then the render time is taken.
void age_hud_message(long now_ms);
// Draws the message centred at the top and ages it.
void draw_hud_message();

constexpr long HUD_MESSAGE_MS = 1200;
