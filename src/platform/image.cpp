#include "platform/image.hpp"

#include <GL/gl.h>

#include "platform/graphics.hpp"
#include "platform/stream.hpp"

namespace {
uint32_t current_mask = 0x000000;

void apply_mask(t_pixmap& p, uint32_t mask) {
    uint32_t* px = p.data();
    const size_t n = static_cast<size_t>(p.width()) * static_cast<size_t>(p.height());
    for (size_t i = 0; i < n; ++i)
        if ((px[i] & 0xFFFFFF) == mask) px[i] = 0;
}
} // namespace

t_image::t_image(int width, int height, int frames, int flags)
    : width_(width), height_(height), flags_(flags), frames_(static_cast<size_t>(frames), t_pixmap(width, height)),
      textures_(static_cast<size_t>(frames), 0), dirty_(static_cast<size_t>(frames), true) {}

t_image::t_image(t_pixmap&& pixels, int flags)
    : width_(pixels.width()), height_(pixels.height()), flags_(flags), textures_(1, 0), dirty_(1, true) {
    frames_.push_back(std::move(pixels));
}

t_image::~t_image() { forget_textures(); }

t_pixmap& t_image::lock(int index) {
    dirty_.at(static_cast<size_t>(index)) = true;
    return frames_.at(static_cast<size_t>(index));
}

unsigned t_image::texture(int index) {
    const auto i = static_cast<size_t>(index);
    if (textures_[i] == 0) {
        GLuint tex = 0;
        glGenTextures(1, &tex);
        textures_[i] = tex;
        dirty_[i] = true;
    }
    if (dirty_[i]) {
        glBindTexture(GL_TEXTURE_2D, textures_[i]);
        const GLint filter = (flags_ & FILTERED_IMAGE) != 0 ? GL_LINEAR : GL_NEAREST;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        // ARGB integers are BGRA bytes in memory on little-endian machines.
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width_, height_, 0, GL_BGRA, GL_UNSIGNED_BYTE, frames_[i].data());
        dirty_[i] = false;
    }
    return textures_[i];
}

void t_image::forget_textures() {
    for (unsigned& t : textures_) {
        if (t != 0 && graphics_open()) {
            const GLuint tex = t;
            glDeleteTextures(1, &tex);
        }
        t = 0;
    }
    for (size_t i = 0; i < dirty_.size(); ++i) dirty_[i] = true;
}

void set_mask_color(int r, int g, int b) {
    current_mask = (static_cast<uint32_t>(r & 255) << 16) | (static_cast<uint32_t>(g & 255) << 8) |
                   static_cast<uint32_t>(b & 255);
}

uint32_t mask_color() { return current_mask; }

t_image_ref image_from_pixmap(const t_pixmap& pixmap, int flags) {
    if (flags == -1) flags = DEFAULT_IMAGE_FLAGS;
    auto image = std::make_shared<t_image>(pixmap.width(), pixmap.height(), 1, flags);
    t_pixmap& frame = image->lock(0);
    frame = pixmap;
    if ((flags & MASKED_IMAGE) != 0) apply_mask(frame, current_mask);
    return image;
}

t_image_ref load_image(const std::vector<uint8_t>& encoded, int flags) {
    const t_pixmap_ref pixmap = decode_picture(encoded);
    if (!pixmap) return nullptr;
    return image_from_pixmap(*pixmap, flags);
}

t_image_ref load_image(const std::string& path, int flags) {
    std::vector<uint8_t> bytes;
    if (!load_file_bytes(path, bytes)) return nullptr;
    return load_image(bytes, flags);
}

t_image_ref create_image(int width, int height, int frames, int flags) {
    return std::make_shared<t_image>(width, height, frames, flags | DYNAMIC_IMAGE);
}

t_pixmap& lock_image(const t_image_ref& image, int frame) { return image->lock(frame); }
