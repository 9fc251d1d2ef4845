#pragma once
// The bitmap fonts: glyph width tables, text layout, width, height and wrapping.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.hpp"

using t_font_widths = std::array<int32_t, 1024>;
extern t_font_widths font_widths_10;
extern t_font_widths font_widths_14;

// Reads "images/ucode_" + size + ".txt" (fatal when missing).
void read_font_widths(int size, t_font_widths& widths);
void parse_font_widths(const std::vector<uint8_t>& bytes, t_font_widths& widths);

struct t_glyph_place {
    uint32_t code;
    float x, y;
};
// Where each character of a text goes, for size 10 or 14.
std::vector<t_glyph_place> layout_text(const std::string& text, float x, float y, int align, int size);

// Bitmap-font text. align: -1 right (x is the right end), 0 centred, 1 left.
void draw_text_10(const std::string& text, float x, float y, const t_image_ref& image, int align);
void draw_text_14(const std::string& text, float x, float y, const t_image_ref& image, int align);
int text_width(const std::string& text, int size);
int text_height(int size);
// Breaks after the last comma once a line grows past `limit` characters.
std::string wrap_text(const std::string& text, int limit);
