#include "match/draw/match_images.hpp"

#include "core/loaders.hpp"
#include "platform/fatal.hpp"
#include "platform/stream.hpp"

const t_indexed_picture* t_match_picture_cache::indexed(const std::string& path) {
    const auto found = pictures_.find(path);
    if (found != pictures_.end()) return found->second.get();
    std::vector<uint8_t> bytes;
    t_indexed_picture_ref picture = load_file_bytes(path, bytes) ? decode_indexed_png(bytes) : nullptr;
    return pictures_.emplace(path, std::move(picture)).first->second.get();
}

t_image_ref t_match_picture_cache::recoloured(const std::string& path, const t_color_replacement_list& list, int flags,
                                              int mask) {
    const t_indexed_picture* picture = indexed(path);
    if (picture == nullptr) return load_recoloured_png(path, list, flags, mask);
    return image_from_indexed(*picture, recoloured_palette(*picture, list), flags, mask);
}

t_image_ref t_match_picture_cache::with_palette_file(const std::string& path, const std::string& palette_path,
                                                     int flags, int mask) {
    const t_indexed_picture* picture = indexed(path);
    if (picture == nullptr) {
        std::vector<uint8_t> bytes;
        if (!load_file_bytes(path, bytes)) runtime_error("File not found: " + path);
        apply_palette_file(bytes, palette_path);
        set_mask_colour(mask);
        t_image_ref image = load_image(bytes, flags);
        if (!image) runtime_error("Error while loading: " + path);
        return image;
    }
    auto colours = palettes_.find(palette_path);
    if (colours == palettes_.end()) colours = palettes_.emplace(palette_path, read_palette_file(palette_path)).first;
    return image_from_indexed(*picture, replaced_palette(*picture, colours->second), flags, mask);
}
