#include "ui/button.hpp"

#include "platform/graphics.hpp"
#include "platform/timer.hpp"
#include "ui/widget_drawing.hpp"

void t_button::render() {
    if (visible == 0) return;
    set_blend(ALPHA_BLEND);
    set_alpha(0.9f);
    if (body != 0) {
        set_widget_color(body);
        draw_rect(static_cast<float>(x + 2), static_cast<float>(y + 2), static_cast<float>(w - 4),
                  static_cast<float>(h - 4));
    }
    if (light_border != 0) draw_bevel(x, y, w, h, light_border, dark_border);
    set_widget_color(0xFFFFFF);
    if (selected != 0) draw_animated_border();
    draw_image();
    set_blend(MASK_BLEND);
    set_alpha(1.0f);
    if (blinking != 0 && blink_hidden(millisecs())) return;
    if (charset == 14) draw_14u();
    else if (charset == 10) draw_10u();
}

void t_button::draw_image() {
    if (!image) return;
    draw_image_rect(image, static_cast<float>(x + 2), static_cast<float>(y + 2), static_cast<float>(frame_w),
                    static_cast<float>(frame_h), static_cast<float>(frame_x * frame_w),
                    static_cast<float>(frame_y * frame_h), static_cast<float>(frame_w), static_cast<float>(frame_h));
}

void t_button::draw_10u() { draw_widget_text(*this, get_text(), 10); }

void t_button::draw_14u() { draw_widget_text(*this, get_text(), 14); }

std::string t_button::get_text() { return text; }

void t_button::draw_animated_border() {
    // The plain border stays while the widget captures input.
    if (entry_mode != 0) return;
    const int e = animated_border_level(millisecs());
    const int light = (e << 16) | (e << 8) | e;
    const int d = e - 50;
    draw_bevel(x, y, w, h, light, (d << 16) | (d << 8) | d);
}
