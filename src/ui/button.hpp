#pragma once
// The button widget: bevelled box, caption, picture and animated border.
#include <string>

#include "ui/widget.hpp"

// The selectable widget: translucent body, bevel, picture cell and caption.
class t_button : public t_widget {
public:
    t_button() { active = 1; }

    void render() override;
    virtual void draw_image();
    virtual void draw_10u();
    virtual void draw_14u();
    // The caption to draw; entry and key buttons show their own.
    virtual std::string get_text();
    virtual void draw_animated_border();
};
