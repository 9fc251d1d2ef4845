#pragma once
// One cell of an overlay picture sheet (clock digits, score digits, wind vane) and where it goes.
#include "platform/image.hpp"

struct t_overlay_cell {
    int sx;
    int sy;
    int w;
    int h;
    int x;
    int y;
    bool operator==(const t_overlay_cell&) const = default;
};

void draw_overlay_cell(const t_image_ref& sheet, const t_overlay_cell& cell);
