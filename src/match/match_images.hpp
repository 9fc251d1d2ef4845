#pragma once
// Pictures loaded for one match and released by quit_match.
#include <array>
#include <vector>

#include "platform/image.hpp"

constexpr int SHADOW_SHEETS = 4;
constexpr int CROWD_PIECES = 5;

class t_match_images {
public:
    std::array<t_image_ref, SHADOW_SHEETS> player_shadows;
    std::array<t_image_ref, SHADOW_SHEETS> keeper_shadows;
    t_image_ref ball;
    t_image_ref goal_bottom;
    t_image_ref jumper;
    t_image_ref flag;
    t_image_ref rain;
    t_image_ref snow;
    t_image_ref fog;
    t_image_ref number;
    std::array<t_image_ref, CROWD_PIECES> crowd_pieces;
    t_image_ref wind_vane;
    t_image_ref time_digits;
    t_image_ref score_digits;
};

extern t_match_images match_images;

// Gives back every picture of the match (players' sheets and hair included).
void release_match_images();
