#include "ui/fader.hpp"

#include "core/loaders.hpp"
#include "platform/graphics.hpp"

void t_fader::render() {
    if (visible == 0) return;
    set_blend(ALPHA_BLEND);
    set_alpha(alpha);
    set_color(red(color), green(color), blue(color));
    draw_rect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h));
    set_blend(MASK_BLEND);
    set_alpha(1.0f);
}

void t_fader::set_alpha_color(float alpha_, int color_) {
    alpha = alpha_;
    color = color_;
}
