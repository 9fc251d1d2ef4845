#include <gtest/gtest.h>

#include <cstdlib>

#include "core/fonts.hpp"
#include "core/game_mode.hpp"
#include "core/loaders.hpp"
#include "platform/files.hpp"
#include "platform/graphics.hpp"
#include "ui/board.hpp"
#include "ui/fader.hpp"
#include "ui/flag_button.hpp"
#include "ui/input_button.hpp"
#include "ui/key_button.hpp"
#include "ui/label.hpp"
#include "ui/picture.hpp"
#include "screens/gallery/widget_gallery.hpp"
#include "ui_test_support.hpp"

namespace {
// A menu-like screen made of every kind of widget, for looking at.
int channel_r(uint32_t p) { return static_cast<int>((p >> 16) & 255); }
int channel_g(uint32_t p) { return static_cast<int>((p >> 8) & 255); }
int channel_b(uint32_t p) { return static_cast<int>(p & 255); }

} // namespace

// Renders the toolkit in a real window and writes /tmp/quilbo_ui_widgets*.png for a human to look at.
TEST(WidgetRender, ShowcaseDrawsUnderARealDisplay) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no display";
    reset_ui_input();
    ASSERT_TRUE(open_graphics(1024, 768, 0, 60));
    read_font_widths(10, font_widths_10);
    read_font_widths(14, font_widths_14);
    read_flag_codes();
    font_10 = load_image_from("images", "ucode_10.png", -1, 0x0000FF);
    font_14 = load_image_from("images", "ucode_14.png", -1, 0x0000FF);
    keycodes[188].name = "COMMA";
    fade_level = 255;
    {
        t_widget_gallery screen;
        // The selection border pulses; the input button captures, so it keeps its own border.
        screen.update();
        screen.entry->set_entry_mode(1);
        cls();
        screen.render();
        const t_pixmap frame = grab_frame();
        EXPECT_TRUE(save_png(frame, "/tmp/quilbo_ui_widgets.png"));

        // The selected button's outer bevel line is the grey pulse (at alpha 0.9 over the
        // background), not its own green light border.
        const uint32_t top = frame.read_pixel(screen.selected_button->x + 20, screen.selected_button->y);
        EXPECT_LT(std::abs(channel_g(top) - channel_r(top)), 20);
        EXPECT_LT(std::abs(channel_g(top) - channel_b(top)), 20);
        EXPECT_GE(channel_r(top), 80);

        // Selected and in entry mode: its own (blue) light border, not the grey pulse.
        screen.selected_button->selected = 0;
        screen.entry->selected = 1;
        cls();
        screen.render();
        const t_pixmap entry_frame = grab_frame();
        const uint32_t edge = entry_frame.read_pixel(screen.entry->x + 20, screen.entry->y);
        EXPECT_GT(channel_b(edge), channel_r(edge) + 40);

        // The comparison view of the board.
        if (screen.board) {
            screen.board->set_compare_tactics(1);
            cls();
            screen.render();
            EXPECT_TRUE(save_png(grab_frame(), "/tmp/quilbo_ui_board_compare.png"));
        }

        // A half-faded menu dims the bodies but not the fader panel.
        fade_level = 128;
        cls();
        screen.render();
        EXPECT_TRUE(save_png(grab_frame(), "/tmp/quilbo_ui_widgets_faded.png"));
    }
    fade_level = 0;
    font_10.reset();
    font_14.reset();
    close_graphics();
}
