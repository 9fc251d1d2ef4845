#include "screens/editors/player_kit.hpp"

#include <algorithm>

#include "core/loaders.hpp"
#include "football/colour.hpp"
#include "football/kit_colour.hpp"
#include "platform/fatal.hpp"
#include "platform/files.hpp"
#include "platform/graphics.hpp"
#include "ui/widget_drawing.hpp"

namespace {
void draw_scaled(const t_image_ref& image, int x, int y) {
    if (!image) return;
    const auto w = static_cast<float>(image->width()), h = static_cast<float>(image->height());
    draw_image_rect(image, static_cast<float>(x), static_cast<float>(y), w * t_player_kit::SCALE,
                    h * t_player_kit::SCALE, 0, 0, w, h);
}
} // namespace

void t_player_kit::render() {
    if (visible == 0) return;
    set_blend(MASK_BLEND);
    set_widget_color(0xFFFFFF);
    draw_scaled(img_kit_shad, x + 2 * SCALE, y + 2 * SCALE);
    draw_scaled(img_kit, x, y);
}

void t_player_kit::recolor() {
    if (!img_kit_raw || !team || team->kits.empty()) return;
    img_kit = copy_image(img_kit_raw);
    const size_t k = static_cast<size_t>(std::clamp(team->kit, 0, static_cast<int>(team->kits.size()) - 1));
    render_image(team->kits[k], img_kit);
}

void t_player_kit::reload() {
    if (!team) return;
    const std::string path = get_image_path(*team, "kit");
    set_mask_colour(0);
    img_kit_raw = file_type(path) == 1 ? load_image(path, EDITABLE_IMAGE) : nullptr;
    if (!img_kit_raw) runtime_error("File not found: " + path);
    recolor();
    img_kit_shad = copy_image(img_kit);
    if (!img_kit_shad) return;
    for (int f = 0; f < img_kit_shad->frame_count(); ++f) {
        t_pixmap& p = img_kit_shad->lock(f);
        uint32_t* px = p.data();
        const size_t n = static_cast<size_t>(p.width()) * static_cast<size_t>(p.height());
        for (size_t i = 0; i < n; ++i)
            if ((px[i] >> 24) != 0) px[i] = (px[i] & 0xFF000000u) | FACE_SHADOW;
    }
    w = img_kit_raw->width() * SCALE;
    h = img_kit_raw->height() * SCALE;
}
