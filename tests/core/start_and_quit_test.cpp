// What a start of the game draws its randomness from, and the key chord that ends it.
#include <gtest/gtest.h>

#include <chrono>

#include "core/game.hpp"
#include "core/quit_keys.hpp"
#include "platform/input.hpp"

namespace {
int64_t wall_clock_ms() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void press(int key) {
    input_key_event(key, true);
    input_key_event(key, false);
}
} // namespace

TEST(StartUp, SeedIsTheOneAskedForElseTheWallClock) {
    t_game_options options;
    options.seeded = true;
    options.seed = 42;
    EXPECT_EQ(startup_seed(options), 42);

    options.seeded = false;
    const int64_t before = wall_clock_ms();
    const int64_t seed = startup_seed(options);
    const int64_t after = wall_clock_ms();
    EXPECT_GE(seed, before) << "not the milliseconds since the program started, which repeat at every start";
    EXPECT_LE(seed, after);
}

TEST(QuitKeys, OnlyF1PressedWhileLeftAltIsHeldQuits) {
    flush_keys();
    press(KEY_F1);
    EXPECT_FALSE(quit_keys_pressed()) << "F1 alone";
    // Minutes later, Alt for Alt+Tab: the old F1 press must not count.
    input_key_event(KEY_LEFT_ALT, true);
    EXPECT_FALSE(quit_keys_pressed());
    press(KEY_TAB);
    EXPECT_FALSE(quit_keys_pressed());
    input_key_event(KEY_LEFT_ALT, false);
    EXPECT_FALSE(quit_keys_pressed());

    input_key_event(KEY_LEFT_ALT, true);
    press(KEY_F1);
    EXPECT_TRUE(quit_keys_pressed()) << "Alt+F1";
    EXPECT_FALSE(quit_keys_pressed()) << "one press quits once";
    input_key_event(KEY_LEFT_ALT, false);
    flush_keys();
}
