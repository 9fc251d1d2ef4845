#include "match/overlays/overlay_cell.hpp"

#include "platform/graphics.hpp"

void draw_overlay_cell(const t_image_ref& sheet, const t_overlay_cell& c) {
    if (!sheet) return;
    draw_image_rect(sheet, static_cast<float>(c.x), static_cast<float>(c.y), static_cast<float>(c.w),
                    static_cast<float>(c.h), static_cast<float>(c.sx), static_cast<float>(c.sy),
                    static_cast<float>(c.w), static_cast<float>(c.h));
}
