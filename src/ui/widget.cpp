#include "ui/widget.hpp"

#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "platform/fatal.hpp"
#include "platform/input.hpp"

void t_widget::set_geometry(int x_, int y_, int w_, int h_) {
    set_position(x_, y_);
    set_size(w_, h_);
}

void t_widget::set_position(int x_, int y_) {
    x = x_;
    y = y_;
}

void t_widget::set_size(int w_, int h_) {
    w = w_;
    h = h_;
}

void t_widget::set_size_by_text() {
    w = text_width(text, charset);
    h = charset == 10 ? 16 : charset == 14 ? 26 : 0;
}

void t_widget::set_frame(int frame_w_, int frame_h_, int frame_x_, int frame_y_) {
    frame_w = frame_w_;
    frame_h = frame_h_;
    frame_x = frame_x_;
    frame_y = frame_y_;
}

void t_widget::set_colors(int body_, int light_border_, int dark_border_) {
    body = body_;
    light_border = light_border_;
    dark_border = dark_border_;
}

void t_widget::set_text(const std::string& text_, int align_, int charset_) {
    text = text_;
    align = align_;
    if (charset_ != 0) {
        charset = charset_;
        img_ucode = charset_ == 10 ? font_10 : charset_ == 14 ? font_14 : nullptr;
    }
}

bool t_widget::mouse_over() const {
    const int mx = ::mouse_x();
    const int my = ::mouse_y();
    return mx >= x && mx <= x + w && my >= y && my <= y + h;
}

void t_widget::render() { runtime_error("Abstract method called: t_widget.render"); }

void t_widget::bind(const std::string& event, const std::string& method, std::vector<std::string> arguments) {
    bindings.push_back({event, method, std::move(arguments)});
}
