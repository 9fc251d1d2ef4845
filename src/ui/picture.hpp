#pragma once
// A widget showing a picture.
#include "ui/widget.hpp"

// One cell of an image sheet, drawn at the widget's corner.
class t_picture : public t_widget {
public:
    // The cell defaults to the top-left w x h of the image.
    void set_geometry(int x_, int y_, int w_, int h_) override;
    void render() override;
};
