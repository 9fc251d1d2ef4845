// The window between menus and match: the game sizes it to each display, unless the player has resized it.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

#include "platform/graphics.hpp"

namespace {
struct t_size {
    int w = 0, h = 0;
    bool operator==(const t_size&) const = default;
};

t_size window_size() {
    t_size s;
    SDL_GetWindowSize(SDL_GL_GetCurrentWindow(), &s.w, &s.h);
    return s;
}
} // namespace

TEST(WindowSize, APlayersSizeOutlivesTheSwitchesBetweenMenusAndMatch) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no display";
    set_window_choice(t_window_choice::windowed);
    ASSERT_TRUE(open_graphics(1024, 768, 0, 60));
    EXPECT_EQ(window_size(), (t_size{1024, 768}));
    ASSERT_TRUE(open_graphics(800, 600, 0, 60)); // a match display the game chose
    EXPECT_EQ(window_size(), (t_size{800, 600}));
    ASSERT_TRUE(open_graphics(1024, 768, 0, 60));
    EXPECT_EQ(window_size(), (t_size{1024, 768}));

    SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), 1200, 675); // the player drags the window's corner
    ASSERT_TRUE(open_graphics(800, 600, 0, 60));
    EXPECT_EQ(window_size(), (t_size{1200, 675}));
    EXPECT_EQ(graphics_width(), 800) << "the picture is still drawn at the match size";
    ASSERT_TRUE(open_graphics(1024, 768, 0, 60));
    EXPECT_EQ(window_size(), (t_size{1200, 675}));
    shutdown_graphics();
}
