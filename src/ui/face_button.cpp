#include "ui/face_button.hpp"

#include "platform/graphics.hpp"
#include "ui/widget_drawing.hpp"

namespace {
void draw_face_cell(const t_image_ref& image, int cell, int x, int y) {
    draw_image_rect(image, static_cast<float>(x), static_cast<float>(y), 16, 18, static_cast<float>(16 * cell), 0, 16,
                    18);
}
} // namespace

void t_face_button::draw_image() {
    if (!player) return;
    const int a = (h - 17) / 2;
    set_widget_color(0xFFFFFF);
    draw_face_cell(player->facesh, player->health, x + 6, y + a + 1);
    draw_face_cell(player->face, player->health, x + 4, y + a - 1);
}
