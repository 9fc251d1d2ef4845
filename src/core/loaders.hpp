#pragma once
// Loading pictures, pixmaps and sounds from the data folders, and the small drawing helpers around them.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.hpp"
#include "platform/pixmap.hpp"
#include "platform/sound.hpp"

// Loaders with existence checks; every failure is fatal with a fixed message.
t_image_ref load_image_from(const std::string& folder, const std::string& name, int flags = -1, int mask = 0);
t_sound_ref load_sound_from(const std::string& folder, const std::string& name, int flags = 0);
t_pixmap_ref load_pixmap_from(const std::string& folder, const std::string& name);

void draw_image_if_visible(const t_image_ref& image, float x, float y);
void draw_subimage_if_visible(const t_image_ref& image, float x, float y, float w, float h, float sx, float sy,
                              float sw, float sh);
void replace_pixel_colour(const t_image_ref& image, uint32_t old_argb, uint32_t new_argb);

constexpr uint32_t argb(uint32_t rgb, uint32_t alpha) { return (alpha << 24) + (rgb & 0xFFFFFF); }
constexpr int red(int rgb) { return (rgb >> 16) & 255; }
constexpr int green(int rgb) { return (rgb >> 8) & 255; }
constexpr int blue(int rgb) { return rgb & 255; }
// Each channel scaled by fade / 255, truncated.
void set_color_faded(int rgb, int fade);
void set_mask_colour(int rgb);

// Nationality codes from "images/flags_t.txt"; index = tile of the small flag sheet.
extern std::vector<std::string> flag_codes;
void read_flag_codes();
void parse_flag_codes(const std::vector<uint8_t>& bytes, std::vector<std::string>& codes);

extern std::array<uint32_t, 256> crc_table;
void build_crc_table();
