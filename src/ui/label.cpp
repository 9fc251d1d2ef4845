#include "ui/label.hpp"

#include "ui/widget_drawing.hpp"

void t_label::render() {
    if (visible == 0) return;
    if (charset == 10) draw_10u();
    else if (charset == 14) draw_14u();
}

void t_label::draw_10u() { draw_widget_text(*this, text, 10); }

void t_label::draw_14u() { draw_widget_text(*this, text, 14); }
