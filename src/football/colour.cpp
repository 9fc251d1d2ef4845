#include "football/colour.hpp"

#include <cstdlib>
#include <unordered_map>

#include "core/loaders.hpp"
#include "platform/fatal.hpp"
#include "platform/stream.hpp"

const std::array<std::array<int, 4>, KIT_COLOUR_COUNT> kit_colours = {{
    {0xAFB2B9, 0xA1A4AA, 0x93959B, 0x85878C}, {0xDFE8EB, 0xC9D1D4, 0xB3BABC, 0x9DA3A5},
    {0x1E1E1E, 0x181818, 0x111111, 0x0B0B0B}, {0xF5732C, 0xD76527, 0xB95722, 0x9B491D},
    {0xF61C1C, 0xD31919, 0xAF1616, 0x8C1313}, {0x3033C1, 0x2A2CA8, 0x23268E, 0x1D1F75},
    {0x993333, 0x663333, 0x551111, 0x330000}, {0x47BFEB, 0x41AFD8, 0x3CA0C4, 0x3690B1},
    {0x30C52C, 0x2AAD27, 0x249621, 0x1E7E1C}, {0xE8EF2F, 0xCED42A, 0xB4B926, 0x9A9E21},
    {0x5D2399, 0x521F87, 0x471A75, 0x3C1663}, {0xF59EE1, 0xE291D0, 0xD085BF, 0xBD78AE},
    {0x0B7DD5, 0x0B70BE, 0x0A62A6, 0x0A558F}, {0x5083B8, 0x4876A5, 0x406892, 0x385B7F},
    {0x417039, 0x396232, 0x30532A, 0x284523}, {0x2E247A, 0x261E66, 0x1F1852, 0x17123E},
    {0xA31212, 0x891010, 0x6E0D0D, 0x540B0B}, {0xD000EF, 0xB200CC, 0x9400AA, 0x760087},
    {0x7BE2E3, 0x6DC9CA, 0x5FAFB0, 0x519697}, {0x81FF11, 0x73E111, 0x65C410, 0x57A610},
    {0xFFD200, 0xDFB700, 0xBE9D00, 0x9E8200}, {0x949494, 0x7E7E7E, 0x686868, 0x525252},
    {0xCAC47D, 0xB0AA6D, 0x95915C, 0x7B774C},
}};

const std::array<std::array<int, 3>, SKIN_COLOUR_COUNT> skin_colours = {{
    {0xF89150, 0xB85B26, 0x78311A}, {0x613E21, 0x3C2611, 0x140A01}, {0xF7AE80, 0xB77651, 0x905440},
    {0xF8BF50, 0xB88D26, 0x83641A}, {0xD98B59, 0xB45C29, 0x7C3F1C}, {0xC97E41, 0x8D643B, 0x634629},
    {0xF37C58, 0xA9573E, 0x5E3123}, {0xF89150, 0xB85B26, 0x78311A}, {0xD6D6D6, 0xBEBEBD, 0xA5A5A4},
    {0x34DF00, 0x0A9300, 0x075B01},
}};

const std::array<std::array<int, 3>, HAIR_COLOUR_COUNT> hair_colours = {{
    {0x2A2A2A, 0x1A1A1A, 0x090909}, {0xA2A022, 0x81801A, 0x605F11}, {0xA26422, 0x7B4C1A, 0x543411},
    {0xE48B00, 0xB26D01, 0x7F4E01}, {0xFFFD7E, 0xE5E33F, 0xCAC800}, {0x7A7A7A, 0x4E4E4E, 0x222222},
    {0xD5D5D5, 0xADADAD, 0x848484}, {0xFF00A8, 0x722F2F, 0x421A1A}, {0xFDFB35, 0x808202, 0x595A05},
}};

const std::array<std::array<int, 2>, SHORT_HAIR_COLOUR_COUNT> short_hair_colours = {{
    {0x000000, 0x000000}, {0xA1785F, 0x7D5D4A}, {0xBFC768, 0x999F54}, {0xC79341, 0x94713B},
    {0xD6BE97, 0xAB997C}, {0x916847, 0x765331}, {0x423225, 0x312418},
}};

const std::array<std::array<int, SKIN_COLOUR_COUNT>, HAIR_COLOUR_COUNT> short_hair_row = {{
    {1, 6, 1, 1, 1, 5, 1, 1, 1, 1}, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, {5, 6, 5, 5, 5, 6, 5, 5, 5, 5},
    {3, 6, 3, 3, 1, 5, 3, 3, 3, 3}, {2, 6, 2, 2, 2, 5, 2, 2, 2, 2}, {1, 6, 1, 1, 1, 5, 1, 1, 1, 1},
    {4, 1, 4, 4, 4, 1, 4, 4, 4, 4}, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, {5, 6, 5, 5, 5, 6, 5, 5, 5, 5},
}};

const std::array<const char*, KIT_STYLE_COUNT> kit_style_names = {
    "plain", "col_sleeves", "vertical", "horizontal", "check", "vert_halves", "strip",
    "spice", "armband", "large_strips", "diagonal", "band", "line", "two_stripes",
    "double_stripe", "big_check", "big_v", "cross", "diagonal_half", "vert_strip", "side_lines"};

std::string kit_style_name(int style) {
    if (style < 0 || style >= KIT_STYLE_COUNT) style = 0;
    return kit_style_names[static_cast<size_t>(style)];
}

namespace {
constexpr size_t npos = static_cast<size_t>(-1);

uint32_t read_be32(const std::vector<uint8_t>& b, size_t at) {
    return (static_cast<uint32_t>(b[at]) << 24) | (static_cast<uint32_t>(b[at + 1]) << 16) |
           (static_cast<uint32_t>(b[at + 2]) << 8) | static_cast<uint32_t>(b[at + 3]);
}

void write_be32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    b[at] = static_cast<uint8_t>(v >> 24);
    b[at + 1] = static_cast<uint8_t>(v >> 16);
    b[at + 2] = static_cast<uint8_t>(v >> 8);
    b[at + 3] = static_cast<uint8_t>(v);
}

// The palette chunk: offset of its type bytes and its entry count. A chunk
// that would run past the data is treated as missing rather than overrun.
struct t_palette_chunk {
    size_t type_at;
    size_t entries;
};

t_palette_chunk palette_chunk(const std::vector<uint8_t>& png) {
    const size_t at = find_palette(png);
    if (at == npos || at < 4) runtime_error("Palette not found inside image!");
    const uint32_t length = read_be32(png, at - 4);
    if (static_cast<uint64_t>(at) + 4u + length + 4u > png.size()) runtime_error("Palette not found inside image!");
    return {at, length / 3};
}

void fix_crc(std::vector<uint8_t>& png, const t_palette_chunk& chunk) {
    const size_t length = read_be32(png, chunk.type_at - 4);
    write_be32(png, chunk.type_at + 4 + length, png_crc(png.data() + chunk.type_at, length + 4));
}

int entry(const std::vector<uint8_t>& png, size_t at) { return (png[at] << 16) | (png[at + 1] << 8) | png[at + 2]; }

void set_entry(std::vector<uint8_t>& png, size_t at, int rgb) {
    png[at] = static_cast<uint8_t>((rgb >> 16) & 255);
    png[at + 1] = static_cast<uint8_t>((rgb >> 8) & 255);
    png[at + 2] = static_cast<uint8_t>(rgb & 255);
}

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (const char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}
} // namespace

uint32_t png_crc(const uint8_t* begin, size_t length) {
    if (crc_table[1] == 0) build_crc_table();
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < length; ++i) c = crc_table[(c ^ begin[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

size_t find_palette(const std::vector<uint8_t>& png) {
    for (size_t i = 0; i + 4 <= png.size(); ++i)
        if (png[i] == 'P' && png[i + 1] == 'L' && png[i + 2] == 'T' && png[i + 3] == 'E') return i;
    return npos;
}

void recolour_palette(std::vector<uint8_t>& png, const t_color_replacement_list& list) {
    const t_palette_chunk chunk = palette_chunk(png);
    for (size_t e = 0; e < chunk.entries; ++e) {
        const size_t at = chunk.type_at + 4 + 3 * e;
        const int original = entry(png, at);
        for (const t_rgb_pair& pair : list.pairs())
            if (pair.rgb_old == original) set_entry(png, at, pair.rgb_new);
    }
    fix_crc(png, chunk);
}

std::vector<int> parse_palette_text(const std::string& text) {
    const std::vector<std::string> lines = split_lines(text);
    std::vector<int> colours;
    if (lines.size() < 3) return colours;
    const int n = std::atoi(lines[2].c_str());
    for (int i = 0; i < n && static_cast<size_t>(3 + i) < lines.size(); ++i) {
        std::string line = lines[static_cast<size_t>(3 + i)];
        for (char& c : line)
            if (c == ' ') c = '-';
        const size_t a = line.find('-');
        const size_t b = a == std::string::npos ? std::string::npos : line.find('-', a + 1);
        const int r = std::atoi(line.substr(0, a).c_str());
        const int g = a == std::string::npos ? 0 : std::atoi(line.substr(a + 1, b - a - 1).c_str());
        const int bl = b == std::string::npos ? 0 : std::atoi(line.substr(b + 1).c_str());
        colours.push_back(((r & 255) << 16) | ((g & 255) << 8) | (bl & 255));
    }
    return colours;
}

void replace_palette(std::vector<uint8_t>& png, const std::vector<int>& colours) {
    const t_palette_chunk chunk = palette_chunk(png);
    for (size_t e = 0; e < chunk.entries; ++e)
        set_entry(png, chunk.type_at + 4 + 3 * e, e < colours.size() ? colours[e] : 0);
    fix_crc(png, chunk);
}

t_image_ref load_recoloured_png(const std::string& path, const t_color_replacement_list& list, int flags, int mask) {
    std::vector<uint8_t> bytes;
    if (!load_file_bytes(path, bytes)) runtime_error("File not found: " + path);
    recolour_palette(bytes, list);
    set_mask_colour(mask);
    t_image_ref image = load_image(bytes, flags);
    if (!image) runtime_error("Error while loading: " + path);
    return image;
}

std::vector<uint32_t> recoloured_palette(const t_indexed_picture& picture, const t_color_replacement_list& list) {
    std::vector<uint32_t> rgb = picture.rgb;
    for (size_t e = 0; e < picture.palette_size; ++e)
        for (const t_rgb_pair& pair : list.pairs())
            if (static_cast<uint32_t>(pair.rgb_old) == picture.rgb[e]) rgb[e] = static_cast<uint32_t>(pair.rgb_new) & 0xFFFFFF;
    return rgb;
}

std::vector<uint32_t> replaced_palette(const t_indexed_picture& picture, const std::vector<int>& colours) {
    std::vector<uint32_t> rgb = picture.rgb;
    for (size_t e = 0; e < picture.palette_size; ++e)
        rgb[e] = e < colours.size() ? static_cast<uint32_t>(colours[e]) & 0xFFFFFF : 0;
    return rgb;
}

t_image_ref image_from_indexed(const t_indexed_picture& picture, const std::vector<uint32_t>& rgb, int flags, int mask) {
    set_mask_colour(mask);
    const uint32_t masked_rgb = mask_color();
    const bool masked = flags == -1 || (flags & MASKED_IMAGE) != 0;
    std::array<uint32_t, 256> argb_of{};
    for (size_t i = 0; i < argb_of.size(); ++i) {
        const uint32_t colour = i < rgb.size() ? rgb[i] & 0xFFFFFF : 0;
        argb_of[i] = masked && colour == masked_rgb ? 0 : (static_cast<uint32_t>(picture.alpha[i]) << 24) | colour;
    }
    t_pixmap pixels(picture.width, picture.height);
    uint32_t* px = pixels.data();
    for (size_t i = 0; i < picture.indices.size(); ++i) px[i] = argb_of[picture.indices[i]];
    return std::make_shared<t_image>(std::move(pixels), flags == -1 ? DEFAULT_IMAGE_FLAGS : flags);
}

std::vector<int> read_palette_file(const std::string& palette_path) {
    std::vector<uint8_t> text;
    if (!load_file_bytes(palette_path, text)) runtime_error("palette not found");
    return parse_palette_text(std::string(text.begin(), text.end()));
}

void apply_palette_file(std::vector<uint8_t>& png_bytes, const std::string& palette_path) {
    replace_palette(png_bytes, read_palette_file(palette_path));
}

void replace_colours(const t_image_ref& image, const t_color_replacement_list& list) {
    if (!image) return;
    std::unordered_map<uint32_t, uint32_t> to;
    for (const t_rgb_pair& pair : list.pairs())
        to[argb(static_cast<uint32_t>(pair.rgb_old), 255)] = argb(static_cast<uint32_t>(pair.rgb_new), 255);
    for (int f = 0; f < image->frame_count(); ++f) {
        t_pixmap& p = image->lock(f);
        uint32_t* px = p.data();
        const size_t n = static_cast<size_t>(p.width()) * static_cast<size_t>(p.height());
        for (size_t i = 0; i < n; ++i) {
            const auto it = to.find(px[i]);
            if (it != to.end()) px[i] = it->second;
        }
    }
}

t_image_ref make_shadow(const t_image_ref& image, int rgb) {
    if (!image) return image;
    for (int f = 0; f < image->frame_count(); ++f) {
        t_pixmap& p = image->lock(f);
        uint32_t* px = p.data();
        const size_t n = static_cast<size_t>(p.width()) * static_cast<size_t>(p.height());
        if (n == 0) continue;
        const uint32_t corner = px[0];
        for (size_t i = 0; i < n; ++i)
            if (px[i] != corner) px[i] = (px[i] & 0xFF000000u) | (static_cast<uint32_t>(rgb) & 0xFFFFFF);
    }
    return image;
}

t_image_ref copy_image(const t_image_ref& image) {
    if (!image) return image;
    auto copy = std::make_shared<t_image>(image->width(), image->height(), image->frame_count(), image->flags());
    for (int f = 0; f < image->frame_count(); ++f) copy->lock(f) = image->frame(f);
    copy->handle_x = image->handle_x;
    copy->handle_y = image->handle_y;
    return copy;
}
