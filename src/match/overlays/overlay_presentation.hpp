#pragma once
// The walk-on panel: competition, stadium, flags, both line-ups and coaches.

struct t_presentation_frame {
    int x0;
    int x1;
    int w;
    int y0;
    int h;
};
// The panel for a screen of this size.
t_presentation_frame presentation_frame(int width, int height);
void draw_presentation();
