#include "ui/flag_button.hpp"

#include "core/loaders.hpp"
#include "platform/graphics.hpp"
#include "ui/widget_drawing.hpp"

int flag_index(const std::vector<std::string>& codes, const std::string& nat) {
    for (size_t i = 0; i < codes.size() && i < 256; ++i)
        if (codes[i] == nat) return static_cast<int>(i);
    return 256;
}

void t_flag_button::draw_image() {
    if (!player) return;
    set_widget_color(0x303030);
    draw_rect(static_cast<float>(x + 8), static_cast<float>(y + 5), 20, 10);
    set_widget_color(0xFFFFFF);
    const int i = flag_index(flag_codes, player->nat);
    draw_image_rect(img_pflags, static_cast<float>(x + 6), static_cast<float>(y + 3), 20, 10,
                    static_cast<float>((i % 16) * 21), static_cast<float>((i / 16) * 11), 20, 10);
}
