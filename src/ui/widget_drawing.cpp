#include "ui/widget_drawing.hpp"

#include <cmath>

#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "platform/graphics.hpp"
#include "ui/widget.hpp"

namespace {
void line(int x1, int y1, int x2, int y2) {
    draw_line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2));
}
} // namespace

void set_widget_color(int rgb) { set_color_faded(rgb, fade_level); }

void draw_bevel(int x, int y, int w, int h, int light, int dark) {
    set_widget_color(light);
    line(x, y, x + w, y);
    line(x + 1, y + 1, x + w - 1, y + 1);
    line(x, y + 1, x, y + h);
    line(x + 1, y + 2, x + 1, y + h - 1);
    set_widget_color(dark);
    line(x + w - 2, y + 2, x + w - 2, y + h - 1);
    line(x + w - 1, y + 1, x + w - 1, y + h);
    line(x + 2, y + h - 2, x + w - 2, y + h - 2);
    line(x + 1, y + h - 1, x + w - 1, y + h - 1);
    set_widget_color(0xFFFFFF);
}

int animated_border_level(long ms) {
    return static_cast<int>(std::fabs(std::fmod(0.4 * static_cast<double>(ms), 200.0) - 100.0) + 100.0);
}

bool blink_hidden(long ms) { return ms % 800 < 400; }

t_text_anchor text_anchor(const t_widget& widget, int charset) {
    const int inset = charset == 14 ? 14 : 10;
    t_text_anchor a;
    if (widget.align == -1) a.x = widget.x + widget.w - inset;
    else if (widget.align == 0) a.x = widget.x + static_cast<int>(std::floor(0.5 * widget.w));
    else a.x = widget.x + inset;
    const int glyph_h = charset == 14 ? 22 : 18;
    a.y = widget.y + static_cast<int>(std::ceil(0.5 * (widget.h - glyph_h)));
    return a;
}

void draw_widget_text(const t_widget& widget, const std::string& text, int charset) {
    set_widget_color(0xFFFFFF);
    const t_text_anchor a = text_anchor(widget, charset);
    const auto ax = static_cast<float>(a.x), ay = static_cast<float>(a.y);
    if (charset == 10) draw_text_10(text, ax, ay, widget.img_ucode, widget.align);
    else if (charset == 14) draw_text_14(text, ax, ay, widget.img_ucode, widget.align);
}
