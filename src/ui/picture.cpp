#include "ui/picture.hpp"

#include "platform/graphics.hpp"

void t_picture::set_geometry(int x_, int y_, int w_, int h_) {
    t_widget::set_geometry(x_, y_, w_, h_);
    set_frame(w_, h_, 0, 0);
}

void t_picture::render() {
    if (visible == 0 || !image) return;
    draw_image_rect(image, static_cast<float>(x), static_cast<float>(y), static_cast<float>(frame_w),
                    static_cast<float>(frame_h), static_cast<float>(frame_x * frame_w),
                    static_cast<float>(frame_y * frame_h), static_cast<float>(frame_w), static_cast<float>(frame_h));
}
