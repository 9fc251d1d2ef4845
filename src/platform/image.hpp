#pragma once
// Images: pixels kept in memory, their frames on the GPU, and loading them.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/pixmap.hpp"

// Image flags.
constexpr int MASKED_IMAGE = 1;
constexpr int FILTERED_IMAGE = 2;
constexpr int DYNAMIC_IMAGE = 8;
constexpr int DEFAULT_IMAGE_FLAGS = MASKED_IMAGE | FILTERED_IMAGE;

// Decoded pixels are kept so images survive display switches; each frame is
// uploaded to the GPU when first drawn, and again after it was locked.
class t_image {
public:
    t_image(int width, int height, int frames, int flags);
    // One frame holding these pixels, taken over without a copy.
    t_image(t_pixmap&& pixels, int flags);
    ~t_image();
    t_image(const t_image&) = delete;
    t_image& operator=(const t_image&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    int flags() const { return flags_; }
    int frame_count() const { return static_cast<int>(frames_.size()); }
    float handle_x = 0;
    float handle_y = 0;

    const t_pixmap& frame(int index) const { return frames_.at(static_cast<size_t>(index)); }
    // Changes to the returned pixmap show at the next draw.
    t_pixmap& lock(int index);

    // GPU side, used by the graphics layer only.
    unsigned texture(int index);
    void forget_textures();

private:
    int width_;
    int height_;
    int flags_;
    std::vector<t_pixmap> frames_;
    std::vector<unsigned> textures_;
    std::vector<bool> dirty_;
};

using t_image_ref = std::shared_ptr<t_image>;

// Mask colour for later loads of masked images; stays until set again.
void set_mask_color(int r, int g, int b);
uint32_t mask_color();

// Flags -1 means the default flags (masked and filtered). None on failure.
t_image_ref load_image(const std::string& path, int flags = -1);
t_image_ref load_image(const std::vector<uint8_t>& encoded, int flags = -1);
t_image_ref image_from_pixmap(const t_pixmap& pixmap, int flags = -1);
t_image_ref create_image(int width, int height, int frames = 1, int flags = 0);
t_pixmap& lock_image(const t_image_ref& image, int frame = 0);
inline int image_width(const t_image_ref& image) { return image ? image->width() : 0; }
inline int image_height(const t_image_ref& image) { return image ? image->height() : 0; }
