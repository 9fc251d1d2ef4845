#pragma once
// Pictures loaded for one match and released by quit_match.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "football/colour.hpp"
#include "platform/image.hpp"
#include "platform/pixmap.hpp"

constexpr int SHADOW_SHEETS = 4;
constexpr int CROWD_PIECES = 5;

class t_match_images {
public:
    std::array<t_image_ref, SHADOW_SHEETS> player_shadows;
    std::array<t_image_ref, SHADOW_SHEETS> keeper_shadows;
    // Cells as sprite_frames_extra.hpp lays them out; his shadows are loaded like the players'.
    t_image_ref referee;
    std::array<t_image_ref, SHADOW_SHEETS> referee_shadows;
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

// Every palette PNG of the match is decoded once: its kits, skins and hair colours then cost a palette each, not a
// decoding. The pictures come out as the loaders below would give them, pixel for pixel.
class t_match_picture_cache {
public:
    // As load_recoloured_png.
    t_image_ref recoloured(const std::string& path, const t_color_replacement_list& list, int flags, int mask);
    // As the file with apply_palette_file's palette, loaded with the mask.
    t_image_ref with_palette_file(const std::string& path, const std::string& palette_path, int flags, int mask);
    // Files decoded so far (pictures that are not palette PNGs go the loaders' way and count too).
    size_t decoded() const { return pictures_.size(); }

private:
    // None when the file cannot be read or is no palette PNG.
    const t_indexed_picture* indexed(const std::string& path);
    std::map<std::string, t_indexed_picture_ref> pictures_;
    std::map<std::string, std::vector<int>> palettes_;
};
