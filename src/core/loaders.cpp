#include "core/loaders.hpp"

#include "platform/fatal.hpp"
#include "platform/files.hpp"
#include "platform/graphics.hpp"
#include "platform/stream.hpp"

std::vector<std::string> flag_codes;
std::array<uint32_t, 256> crc_table{};

namespace {
std::string checked_path(const std::string& folder, const std::string& name) {
    const int type = file_type(folder);
    if (type == 0) runtime_error("Folder not found: " + folder);
    if (type == 1) runtime_error("Error: " + folder + " is a file and not a folder");
    const std::string path = folder + "/" + name;
    if (file_type(path) != 1) runtime_error("File not found: " + path);
    return path;
}

bool visible(const t_image_ref& image, float x, float y, float w, float h) {
    if (!image) return false;
    float ox = 0, oy = 0;
    get_origin(ox, oy);
    const float left = x + ox - image->handle_x, top = y + oy - image->handle_y;
    return left + w > 0 && top + h > 0 && left < static_cast<float>(graphics_width()) &&
           top < static_cast<float>(graphics_height());
}
} // namespace

t_image_ref load_image_from(const std::string& folder, const std::string& name, int flags, int mask) {
    const std::string path = checked_path(folder, name);
    if (mask != 0) set_mask_colour(mask);
    t_image_ref image = load_image(path, flags);
    if (!image) runtime_error("Error while loading: " + path);
    return image;
}

t_sound_ref load_sound_from(const std::string& folder, const std::string& name, int flags) {
    const std::string path = checked_path(folder, name);
    t_sound_ref sound = load_sound(path, flags);
    if (!sound) runtime_error("Error while loading: " + path);
    return sound;
}

t_pixmap_ref load_pixmap_from(const std::string& folder, const std::string& name) {
    const std::string path = checked_path(folder, name);
    t_pixmap_ref pixmap = load_pixmap(path);
    if (!pixmap) runtime_error("Error while loading: " + path);
    return pixmap;
}

void draw_image_if_visible(const t_image_ref& image, float x, float y) {
    if (!visible(image, x, y, static_cast<float>(image_width(image)), static_cast<float>(image_height(image)))) return;
    draw_image(image, x, y);
}

void draw_subimage_if_visible(const t_image_ref& image, float x, float y, float w, float h, float sx, float sy,
                              float sw, float sh) {
    if (!visible(image, x, y, w, h)) return;
    draw_image_rect(image, x, y, w, h, sx, sy, sw, sh);
}

void replace_pixel_colour(const t_image_ref& image, uint32_t old_argb, uint32_t new_argb) {
    if (!image) return;
    t_pixmap& p = image->lock(0);
    uint32_t* px = p.data();
    const size_t n = static_cast<size_t>(p.width()) * static_cast<size_t>(p.height());
    for (size_t i = 0; i < n; ++i)
        if (px[i] == old_argb) px[i] = new_argb;
}

void set_color_faded(int rgb, int fade) {
    set_color(red(rgb) * fade / 255, green(rgb) * fade / 255, blue(rgb) * fade / 255);
}

void set_mask_colour(int rgb) { set_mask_color(red(rgb), green(rgb), blue(rgb)); }

void parse_flag_codes(const std::vector<uint8_t>& bytes, std::vector<std::string>& codes) {
    codes.clear();
    size_t pos = 0;
    // Three characters, then the line end; a CR brings its LF along.
    while (pos + 3 <= bytes.size()) {
        codes.emplace_back(reinterpret_cast<const char*>(bytes.data() + pos), 3);
        pos += 3;
        if (pos < bytes.size()) {
            const uint8_t end = bytes[pos++];
            if (end == 13 && pos < bytes.size()) ++pos;
        }
        if (codes.size() == 256) break;
    }
}

void read_flag_codes() {
    std::vector<uint8_t> bytes;
    if (!load_file_bytes("images/flags_t.txt", bytes)) runtime_error("Invalid file: flags_t.txt!");
    parse_flag_codes(bytes, flag_codes);
}

void build_crc_table() {
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        crc_table[n] = c;
    }
}
