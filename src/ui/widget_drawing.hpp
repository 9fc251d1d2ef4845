#pragma once
// Drawing shared by the widgets: colours, bevels, animated borders, blinking and text anchors.
#include <string>

class t_widget;

// Every widget colour goes through the global fade, so a whole menu dims together.
void set_widget_color(int rgb);

// Two-pixel bevel: light on the top and left, dark on the bottom and right. Leaves the colour white.
void draw_bevel(int x, int y, int w, int h, int light, int dark);

// Grey level of the selection border at time `ms`: 100..200..100 every 500 ms.
int animated_border_level(long ms);

// True in the half of each 800 ms in which blinking text is hidden.
bool blink_hidden(long ms);

struct t_text_anchor {
    int x = 0;
    int y = 0;
};
// Where a widget's caption is anchored for the small (10) or large (14) font.
t_text_anchor text_anchor(const t_widget& widget, int charset);

// Draws `text` at the widget's anchor in its own alignment, in white.
void draw_widget_text(const t_widget& widget, const std::string& text, int charset);
