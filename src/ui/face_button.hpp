#pragma once
// A button showing a player's face.
#include <memory>

#include "football/player.hpp"
#include "ui/button.hpp"

// A button showing a player's menu face (and its shadow) at the left.
class t_face_button : public t_button {
public:
    void draw_image() override;

    std::shared_ptr<t_player> player;
};
