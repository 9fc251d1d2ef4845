// Start-up of the application object without a display, and the quit screen number.
#include <gtest/gtest.h>

#include "../screens/main_menu/screen_test_support.hpp"
#include "core/game.hpp"
#include "platform/graphics.hpp"
#include "platform/sound.hpp"
#include "platform/timer.hpp"

namespace {
// The game object sets process-wide switches; later suites in this process need them back.
class t_displayless_game {
public:
    t_displayless_game() : saved_(settings), saved_modes_(display_modes) {
        t_game_options o;
        o.headless = true; // no display: no size is available, 1024 x 768 neither
        o.no_sound = true;
        o.unpaced = true;
        o.seeded = true;
        o.frames = 100; // a loop that never quits stops here
        app = std::make_unique<t_game>(o);
    }
    ~t_displayless_game() {
        app.reset();
        settings = saved_;
        display_modes = saved_modes_;
        set_sound_disabled(false);
        set_headless_graphics(false);
        set_unpaced(false);
        set_timers_unpaced(false);
        use_virtual_clock(false);
    }
    t_displayless_game(const t_displayless_game&) = delete;
    t_displayless_game& operator=(const t_displayless_game&) = delete;
    std::unique_ptr<t_game> app;

private:
    t_settings saved_;
    std::array<t_display_mode, DISPLAY_MODES> saved_modes_;
};
} // namespace

TEST(GameStartup, FullScreenWithoutA1024x768ModeOpensAWindowAndKeepsTheFile) {
    screen_test::game_folder folder;
    t_settings asked;
    asked.full_screen = 1;
    asked.length = 2;
    asked.write(SETTINGS_VERSION);
    {
        t_displayless_game started;
        EXPECT_EQ(display_modes[3].available, 0);
        EXPECT_EQ(settings.length, 2) << "the settings file was read";
        EXPECT_EQ(settings.full_screen, 0);
    }
    t_settings stored;
    stored.read(SETTINGS_VERSION);
    EXPECT_EQ(stored.full_screen, 1) << "windowed in memory only";
}

TEST(GameStartup, Mode76EndsTheLoop) {
    screen_test::game_folder folder;
    t_displayless_game started;
    t_game& app = *started.app;
    EXPECT_EQ(app.new_mode(76), nullptr);
    app.fg_mode = app.new_mode(33);
    ASSERT_TRUE(app.fg_mode);
    action_queue->push(ACTION_NEW_SCREEN, 76);
    app.loop();
    EXPECT_EQ(app.fg_mode, nullptr) << "the loop ran out of frames instead of quitting";
    EXPECT_TRUE(action_queue->empty());
}
