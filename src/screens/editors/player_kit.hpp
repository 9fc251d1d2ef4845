#pragma once
// The team editor's picture of a kit.
#include "football/team.hpp"
#include "platform/image.hpp"
#include "ui/widget.hpp"

// The team editor's picture of the worn kit, recoloured as it is edited.
class t_player_kit : public t_widget {
public:
    // The 40 x 56 pictures are drawn this many times larger, pixel for pixel.
    static constexpr int SCALE = 4;

    void render() override;
    // A fresh copy of the loaded picture in the worn kit's colours.
    void recolor();
    // Loads the picture of the worn kit's style, then recolours it and its shadow.
    void reload();

    t_image_ref img_kit_raw;
    t_image_ref img_kit;
    t_image_ref img_kit_shad;
    t_team_ref team;
};
