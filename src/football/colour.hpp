#pragma once
// Recolouring sprites from their template shades: replacement lists and PNG palettes.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.hpp"

// Sprites are drawn once in fixed template colours and recoloured at load
// time: indexed PNGs in their palette, pictures in memory pixel by pixel.

class t_rgb_pair {
public:
    int rgb_old = 0;
    int rgb_new = 0;
};

class t_color_replacement_list {
public:
    void add(int rgb_old, int rgb_new) { pairs_.push_back(t_rgb_pair{rgb_old, rgb_new}); }
    const std::vector<t_rgb_pair>& pairs() const { return pairs_; }
    size_t size() const { return pairs_.size(); }

private:
    std::vector<t_rgb_pair> pairs_;
};

// Template shades, 0 lightest.
inline constexpr std::array<int, 4> template_shirt1 = {0xE20020, 0xBF001B, 0x9C0016, 0x790011};
inline constexpr std::array<int, 4> template_shirt2 = {0x01FFC6, 0x00C79B, 0x008B6C, 0x006A52};
inline constexpr std::array<int, 4> template_shorts = {0xF6FF00, 0xCDD400, 0xA3A900, 0x7A7E00};
inline constexpr std::array<int, 4> template_socks = {0x0097EE, 0x0088D6, 0x0079BF, 0x006AA7};
inline constexpr std::array<int, 3> template_skin = {0xFF6300, 0xB54200, 0x631800};
inline constexpr std::array<int, 3> template_hair = {0x907130, 0x715930, 0x514030};

inline constexpr int KIT_COLOUR_COUNT = 23;
inline constexpr int SKIN_COLOUR_COUNT = 10;
inline constexpr int HAIR_COLOUR_COUNT = 9;
inline constexpr int SHORT_HAIR_COLOUR_COUNT = 7;
inline constexpr int KIT_STYLE_COUNT = 21;
inline constexpr int SHORT_HAIR_CODE = 201;

extern const std::array<std::array<int, 4>, KIT_COLOUR_COUNT> kit_colours;
extern const std::array<std::array<int, 3>, SKIN_COLOUR_COUNT> skin_colours;
extern const std::array<std::array<int, 3>, HAIR_COLOUR_COUNT> hair_colours;
extern const std::array<std::array<int, 2>, SHORT_HAIR_COLOUR_COUNT> short_hair_colours;
extern const std::array<std::array<int, SKIN_COLOUR_COUNT>, HAIR_COLOUR_COUNT> short_hair_row;
extern const std::array<const char*, KIT_STYLE_COUNT> kit_style_names;

// Style name of a kit style number; out-of-range styles read as "plain".
std::string kit_style_name(int style);

// PNG CRC-32 over the bytes [begin, begin + length).
uint32_t png_crc(const uint8_t* begin, size_t length);

// Offset of the first "PLTE" in the bytes, or npos.
size_t find_palette(const std::vector<uint8_t>& png);

// Replaces palette entries in a PNG held in memory and fixes the chunk CRC.
// Every entry is compared with its original colour; the last matching pair wins.
void recolour_palette(std::vector<uint8_t>& png, const t_color_replacement_list& list);

// Colours of a stadium palette file's text (two header lines, a count, then
// "r g b" lines whose numbers may also be separated by '-').
std::vector<int> parse_palette_text(const std::string& text);

// Overwrites every palette entry, entry i with colour i (black beyond the list).
void replace_palette(std::vector<uint8_t>& png, const std::vector<int>& colours);

t_image_ref load_recoloured_png(const std::string& path, const t_color_replacement_list& list, int flags, int mask);
void apply_palette_file(std::vector<uint8_t>& png_bytes, const std::string& palette_path);
// The colours of a stadium palette file; fatal "palette not found" when it is missing.
std::vector<int> read_palette_file(const std::string& palette_path);

// The file's palette after recolour_palette's rule (each entry compared with its original colour, the last
// matching pair wins), and after replace_palette's (entry i becomes colour i, black past the list).
std::vector<uint32_t> recoloured_palette(const t_indexed_picture& picture, const t_color_replacement_list& list);
std::vector<uint32_t> replaced_palette(const t_indexed_picture& picture, const std::vector<int>& colours);

// The picture load_image gives for the PNG with that palette written into it: same pixels, same flags, and the
// mask colour set for later loads as a load would leave it.
t_image_ref image_from_indexed(const t_indexed_picture& picture, const std::vector<uint32_t>& rgb, int flags, int mask);

// Pixel recolouring: a template colour with full alpha becomes the new colour
// with full alpha, in every frame.
void replace_colours(const t_image_ref& image, const t_color_replacement_list& list);

// Pixels whose colour differs from the top-left one take rgb, keeping alpha.
t_image_ref make_shadow(const t_image_ref& image, int rgb);
t_image_ref copy_image(const t_image_ref& image);
