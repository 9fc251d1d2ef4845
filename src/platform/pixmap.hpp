#pragma once
// A picture in memory, read and written pixel by pixel.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// 32-bit ARGB pixels in memory (alpha in bits 24-31).
class t_pixmap {
public:
    t_pixmap() = default;
    t_pixmap(int width, int height, uint32_t fill = 0)
        : width_(width), height_(height), pixels_(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // Outside reads give 0 and outside writes are ignored, so callers need no bounds checks.
    uint32_t read_pixel(int x, int y) const { return contains(x, y) ? pixels_[index(x, y)] : 0; }
    void write_pixel(int x, int y, uint32_t argb) {
        if (contains(x, y)) pixels_[index(x, y)] = argb;
    }
    uint32_t* data() { return pixels_.data(); }
    const uint32_t* data() const { return pixels_.data(); }

private:
    size_t index(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x); }
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

using t_pixmap_ref = std::shared_ptr<t_pixmap>;

// Decodes PNG (any colour type, palettes included) or JPEG from a file or from bytes.
// None when the data cannot be decoded.
t_pixmap_ref decode_picture(const std::vector<uint8_t>& bytes);
t_pixmap_ref load_pixmap(const std::string& path);
inline int pixmap_width(const t_pixmap& p) { return p.width(); }
inline int pixmap_height(const t_pixmap& p) { return p.height(); }
inline uint32_t read_pixel(const t_pixmap& p, int x, int y) { return p.read_pixel(x, y); }
inline void write_pixel(t_pixmap& p, int x, int y, uint32_t argb) { p.write_pixel(x, y, argb); }

// A palette PNG before its colours are applied, so one decoding serves every recolouring of it.
class t_indexed_picture {
public:
    int width = 0;
    int height = 0;
    std::vector<uint8_t> indices;
    // 256 entries each: the file's colours (0xRRGGBB; black past its palette) and alphas (255 past its tRNS).
    std::vector<uint32_t> rgb;
    std::vector<uint8_t> alpha;
    // Entries the file's palette holds.
    size_t palette_size = 0;
};
using t_indexed_picture_ref = std::shared_ptr<t_indexed_picture>;

// None when the bytes are not a palette PNG that decodes.
t_indexed_picture_ref decode_indexed_png(const std::vector<uint8_t>& bytes);

// Writes an RGBA PNG (screenshots, tools). False on failure.
bool save_png(const t_pixmap& pixmap, const std::string& path);
