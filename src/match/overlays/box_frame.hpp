#pragma once
// The thin rounded frame of the match panels (presentation, bench).
#include <vector>

// One stroke of the frame: a one-pixel line from (x1, y1) to (x2, y2), both ends drawn;
// a point when both ends are the same.
struct t_frame_stroke {
    int x1;
    int y1;
    int x2;
    int y2;
    bool operator==(const t_frame_stroke&) const = default;
};

// The strokes of a frame covering the pixels x .. x + w - 1, y .. y + h - 1, corners rounded
// off by 5, 3, 2 and 1 pixels. A box too small to round is drawn square.
std::vector<t_frame_stroke> box_frame_strokes(int x, int y, int w, int h);

// Draws the frame in the current colour.
void draw_box_frame(int x, int y, int w, int h);
