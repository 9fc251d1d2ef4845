#pragma once
// The drawing shared by the bench panels: framed boxes, half-transparent row fills that pulse
// with the wall clock, and a player's row.
#include <string>

#include "platform/image.hpp"

class t_player;

constexpr int PANEL_ROW_H = 16;
constexpr int PANEL_W = 250;
constexpr int PANEL_TITLE_H = 18;
constexpr int PANEL_PICTURE_W = 82;
constexpr int PANEL_PICTURE_H = 66;

// Colours, 0xRRGGBB.
constexpr int ROW_GREY = 0x191919;
constexpr int ROW_BLACK = 0x000000;
constexpr int PULSE_BLUE_LIGHT = 0x4C4CFF;
constexpr int PULSE_BLUE = 0x3333FF;
constexpr int PULSE_YELLOW = 0xFFFF33;
constexpr int MARKED_GREEN = 0x33FF33;
constexpr int CURRENT_ORANGE = 0xFA2800;

// Share of the pulse colour at wall-clock ms: 0.2 .. 0.8 and back every 600 ms.
double pulse_weight(long ms);
// Each channel of base moved towards target by weight, truncated.
int mix_colour(int base, int target, double weight);
int pulse_colour(int base, int target, long ms);

// A box's frame: white, over a dark green shadow 2 pixels down and to the right.
void draw_panel_box(int x, int y, int w, int h);
// A half-transparent fill, dimmed by the fade.
void fill_panel_row(int x, int y, int w, int h, int rgb);
// "A. Surname", or whichever of the two names exists.
std::string bench_name(const t_player& p);
// Shirt number, name and role code of a row whose panel starts at x0.
void draw_player_row(const t_player& p, int x0, int y);
// Text of the size-10 font in the fade colour.
void draw_panel_text(const std::string& text, int x, int y, int align);
// A cell of "tactics.png" (loaded on first use by each panel).
void draw_panel_picture(t_image_ref& picture, int source_x, int x, int y);
