// The frame step the main loop and headless matches share, and the display the menus come back to.
#include <gtest/gtest.h>

#include "core/game.hpp"
#include "core/globals.hpp"
#include "core/menu_display.hpp"
#include "game_test_support.hpp"
#include "platform/timer.hpp"

using namespace game_test;

namespace {
class t_counting_screen : public t_game_mode {
public:
    void update() override { ++updates; }
    void render() override {}
    int updates = 0;
};

// A headless game whose front screen only counts its updates.
struct t_counting_game {
    t_counting_game() : headless(headless_options()), app(*headless.app) {
        auto screen = std::make_unique<t_counting_screen>();
        counter = screen.get();
        app.fg_mode = std::move(screen);
    }
    t_headless_game headless;
    t_game& app;
    t_counting_screen* counter = nullptr;
};
} // namespace

TEST(FrameStep, AFadeHoldsTheFrontScreenAndTheNextActionWaitsForIt) {
    t_counting_game g;
    action_queue->push(ACTION_FADE_IN, 0);
    action_queue->push(ACTION_FADE_OUT, 0);
    ASSERT_TRUE(g.app.start_next_action());
    EXPECT_FALSE(g.app.start_next_action()) << "one action at a time";
    long frame = 0;
    for (int i = 1; i < FADE_FRAMES; ++i) {
        g.app.update_frame(++frame);
        EXPECT_FALSE(g.app.start_next_action()) << "frame " << i;
    }
    g.app.update_frame(++frame);
    EXPECT_EQ(g.counter->updates, 0) << "no update while the fade runs";
    EXPECT_TRUE(g.app.start_next_action()) << "the fade-out follows the last fade-in frame";
    EXPECT_FALSE(g.app.start_next_action()) << "the queue is empty now";
    g.app.update_frame(++frame);
    EXPECT_EQ(g.counter->updates, 0);
}

TEST(FrameStep, WithNothingRunningTheScreenUpdatesAndTheClockMovesOneFrame) {
    t_counting_game g;
    const long before = millisecs();
    g.app.update_frame(1);
    g.app.update_frame(2);
    EXPECT_EQ(g.counter->updates, 2);
    EXPECT_EQ(millisecs() - before, 2 * FRAME_MS);
    EXPECT_FALSE(g.app.start_next_action());
}

TEST(MenuDisplay, ComesBackAtMenuSizeWithFontsAndPointer) {
    t_headless_game headless(headless_options());
    screen_w = 640;
    screen_h = 400;
    font_10.reset();
    font_14.reset();
    arrow_image.reset();
    open_menu_display();
    EXPECT_EQ(screen_w, MENU_DISPLAY_W);
    EXPECT_EQ(screen_h, MENU_DISPLAY_H);
    EXPECT_NE(font_10, nullptr);
    EXPECT_NE(font_14, nullptr);
    EXPECT_NE(arrow_image, nullptr);
}
