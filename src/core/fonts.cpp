#include "core/fonts.hpp"

#include <cmath>

#include "core/globals.hpp"
#include "core/text.hpp"
#include "platform/fatal.hpp"
#include "platform/graphics.hpp"
#include "platform/stream.hpp"

t_font_widths font_widths_10{};
t_font_widths font_widths_14{};

namespace {
int width_of_char(uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'N') return 10 + (c - 'A');
    return 30;
}

const t_font_widths& widths_for(int size) { return size == 10 ? font_widths_10 : font_widths_14; }

uint32_t clamp_code(uint32_t code) { return code < 1024 ? code : '?'; }

// Splits at CR LF pairs.
std::vector<std::vector<uint32_t>> lines_of(const std::string& text) {
    std::vector<std::vector<uint32_t>> lines(1);
    const std::vector<uint32_t> codes = decode_utf8(text);
    for (size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == 13 && i + 1 < codes.size() && codes[i + 1] == 10) {
            lines.emplace_back();
            ++i;
            continue;
        }
        lines.back().push_back(codes[i]);
    }
    return lines;
}

int line_width(const std::vector<uint32_t>& line, const t_font_widths& widths) {
    int w = 0;
    for (const uint32_t c : line) w += widths[clamp_code(c)];
    return w;
}

void place_line(const std::vector<uint32_t>& line, float x, float y, int align, int size,
                std::vector<t_glyph_place>& out) {
    const t_font_widths& widths = widths_for(size);
    float pen = 0;
    if (align == -1) pen = x - static_cast<float>(line_width(line, widths));
    else if (align == 0) pen = x - static_cast<float>(line_width(line, widths) / 2);
    else if (align == 1) pen = x;
    for (const uint32_t raw : line) {
        const uint32_t k = clamp_code(raw);
        out.push_back({k, pen, y});
        pen += static_cast<float>(widths[k]);
    }
}

void draw_places(const std::vector<t_glyph_place>& places, const t_image_ref& image, int size) {
    const float cell_w = size == 10 ? 12 : 16, cell_h = size == 10 ? 16 : 22;
    const uint32_t pitch_x = size == 10 ? 13 : 16, pitch_y = size == 10 ? 17 : 23;
    // Whole pixels: a glyph between two is sampled half from each, and the alpha test drops its thin strokes.
    for (const t_glyph_place& g : places)
        draw_image_rect(image, std::floor(g.x), std::floor(g.y), cell_w, cell_h,
                        static_cast<float>((g.code % 64) * pitch_x),
                        static_cast<float>((g.code / 64) * pitch_y), cell_w, cell_h);
}
} // namespace

void parse_font_widths(const std::vector<uint8_t>& bytes, t_font_widths& widths) {
    size_t pos = 0;
    const auto next = [&]() -> uint8_t {
        if (pos >= bytes.size()) runtime_error("Error reading from stream");
        return bytes[pos++];
    };
    for (int g = 0; g < 16; ++g) {
        for (int l = 0; l < 8; ++l) {
            for (int m = 0; m < 8; ++m) widths[static_cast<size_t>(64 * g + 8 * l + m)] = width_of_char(next());
            const uint8_t end = next();
            if (l == 7 && end == 13) next();
        }
    }
}

void read_font_widths(int size, t_font_widths& widths) {
    std::vector<uint8_t> bytes;
    const std::string name = "ucode_" + std::to_string(size) + ".txt";
    if (!load_file_bytes("images/" + name, bytes)) runtime_error("File not found: " + name + "!");
    parse_font_widths(bytes, widths);
}

std::vector<t_glyph_place> layout_text(const std::string& text, float x, float y, int align, int size) {
    std::vector<t_glyph_place> places;
    if (size == 10) {
        float line_y = y;
        for (const auto& line : lines_of(text)) {
            place_line(line, x, line_y, align, 10, places);
            line_y += 14;
        }
    } else {
        // No line breaks in the large font; anything but right or centred starts at x.
        place_line(decode_utf8(text), x, y, align == -1 || align == 0 ? align : 1, 14, places);
    }
    return places;
}

void draw_text_10(const std::string& text, float x, float y, const t_image_ref& image, int align) {
    draw_places(layout_text(text, x, y, align, 10), image, 10);
}

void draw_text_14(const std::string& text, float x, float y, const t_image_ref& image, int align) {
    draw_places(layout_text(text, x, y, align, 14), image, 14);
}

int text_width(const std::string& text, int size) {
    if (size != 10 && size != 14) return 0;
    return line_width(lines_of(text).front(), widths_for(size));
}

int text_height(int size) { return size == 10 ? 16 : size == 14 ? 26 : 0; }

std::string wrap_text(const std::string& text, int limit) {
    std::vector<uint32_t> codes = decode_utf8(text);
    int count = 0;
    size_t last_comma = std::string::npos;
    for (size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == 13 && i + 1 < codes.size() && codes[i + 1] == 10) {
            count = 0;
            last_comma = std::string::npos;
            ++i;
            continue;
        }
        if (codes[i] == ',') last_comma = i;
        ++count;
        if (count > limit && last_comma != std::string::npos) {
            codes.insert(codes.begin() + static_cast<long>(last_comma) + 1, {13, 10});
            count = static_cast<int>(i - last_comma);
            i += 2;
            last_comma = std::string::npos;
        }
    }
    return encode_utf8(codes);
}
