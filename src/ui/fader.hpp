#pragma once
// A translucent rectangle laid over part of a screen.
#include "ui/widget.hpp"

// A translucent rectangle laid over part of a screen; ignores the global fade.
class t_fader : public t_widget {
public:
    void render() override;
    virtual void set_alpha_color(float alpha_, int color_);

    float alpha = 1.0f;
    int color = 0;
};
