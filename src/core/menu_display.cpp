#include "core/menu_display.hpp"

#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/settings.hpp"
#include "platform/fatal.hpp"
#include "platform/graphics.hpp"

namespace {
constexpr int FULL_SCREEN_DEPTH = 32;
constexpr int WINDOWED_DEPTH = 0; // the desktop's own
constexpr int REFRESH_HZ = 60;
constexpr int MASK_BLUE = 0x0000FF;
} // namespace

void open_menu_display() {
    const int depth = settings.full_screen == 1 ? FULL_SCREEN_DEPTH : WINDOWED_DEPTH;
    if (!open_graphics(MENU_DISPLAY_W, MENU_DISPLAY_H, depth, REFRESH_HZ)) runtime_error("Cannot open the display");
    screen_w = MENU_DISPLAY_W;
    screen_h = MENU_DISPLAY_H;
    hide_mouse();
    font_10 = load_image_from("images", "ucode_10.png", -1, MASK_BLUE);
    font_14 = load_image_from("images", "ucode_14.png", -1, MASK_BLUE);
    arrow_image = load_image_from("images", "arrow.png", -1, MASK_BLUE);
}
