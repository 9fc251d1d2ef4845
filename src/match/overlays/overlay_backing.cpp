#include "match/overlays/overlay_backing.hpp"

#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "platform/graphics.hpp"

namespace {
constexpr float BACKING_OPACITY = 0.6f;
constexpr int MARGIN = 4;
constexpr int SMALL_LINE_STEP = 14;
constexpr int SMALL_GLYPH_H = 16;
constexpr int LARGE_GLYPH_H = 22;
} // namespace

void draw_overlay_backing(int x, int y, int w, int h) {
    const int blend = get_blend();
    set_blend(ALPHA_BLEND);
    set_alpha(BACKING_OPACITY);
    set_color(0, 0, 0);
    draw_rect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h));
    set_alpha(1);
    set_blend(blend);
    set_color(fade_level, fade_level, fade_level);
}

void draw_text_backing(const std::string& text, int x, int y, int size, int align) {
    const int glyph_h = size == 10 ? SMALL_GLYPH_H : LARGE_GLYPH_H;
    size_t start = 0;
    for (int line_y = y;; line_y += SMALL_LINE_STEP) {
        const size_t end = text.find("\r\n", start);
        const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const int w = text_width(line, size);
        const int left = align < 0 ? x - w : align == 0 ? x - w / 2 : x;
        if (w > 0) draw_overlay_backing(left - MARGIN, line_y - MARGIN / 2, w + 2 * MARGIN, glyph_h + MARGIN);
        if (end == std::string::npos || size != 10) break;
        start = end + 2;
    }
}
