#pragma once
// A button showing a country's flag.
#include <memory>
#include <string>
#include <vector>

#include "football/player.hpp"
#include "platform/image.hpp"
#include "ui/button.hpp"

// Tile of a nationality code in the small-flag sheet: its first place in `codes`, 256 when absent.
int flag_index(const std::vector<std::string>& codes, const std::string& nat);

// A button showing the small flag of a player's nationality under its caption.
class t_flag_button : public t_button {
public:
    void draw_image() override;

    std::shared_ptr<t_player> player;
    t_image_ref img_pflags;
};
