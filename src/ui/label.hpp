#pragma once
// A text label widget.
#include "ui/widget.hpp"

// A caption without body or border; never selected.
class t_label : public t_widget {
public:
    void render() override;
    virtual void draw_10u();
    virtual void draw_14u();
};
