// The HOW TO PLAY screen: the keys it shows are the ones set now, its texts exist in every language,
// and it goes back to the screen that opened it.
#include <gtest/gtest.h>

#include "core/screen_modes.hpp"
#include "platform/input.hpp"
#include "screen_test_support.hpp"
#include "screens/main_menu/menu_how_to_play.hpp"
#include "ui/key_button.hpp"
#include "ui/menu_toolkit.hpp"

using namespace screen_test;

namespace {
constexpr size_t LEFT_ROW = 2;
constexpr size_t FIRE_1_ROW = 4;
constexpr size_t FIRE_2_ROW = 5;
constexpr size_t PAD_COLUMN = 2;

class HowToPlay : public testing::Test {
protected:
    void TearDown() override {
        set_pad_fire_button(0, 1, PAD_BUTTON_A);
        set_pad_fire_button(0, 2, PAD_BUTTON_B);
    }
    game_folder folder;
};
} // namespace

TEST_F(HowToPlay, ShowsTheKeysAndPadButtonsAsRedefined) {
    {
        MenuHowToPlay screen;
        EXPECT_EQ(screen.w_controls[FIRE_1_ROW][0]->text, key_code_name(settings.key[0].button_1));
        EXPECT_EQ(screen.w_controls[FIRE_1_ROW][PAD_COLUMN]->text, "A");
        EXPECT_EQ(screen.w_controls[FIRE_2_ROW][PAD_COLUMN]->text, "B");
    }
    const int32_t old_left = settings.key[1].key_left;
    settings.key[1].key_left = 'J';
    set_pad_fire_button(0, 1, 2); // X
    set_pad_fire_button(0, 2, 3); // Y
    MenuHowToPlay screen;
    EXPECT_EQ(screen.w_controls[LEFT_ROW][1]->text, key_code_name('J'));
    EXPECT_NE(screen.w_controls[LEFT_ROW][1]->text, key_code_name(old_left));
    EXPECT_FALSE(screen.w_controls[LEFT_ROW][1]->text.empty());
    EXPECT_EQ(screen.w_controls[FIRE_1_ROW][PAD_COLUMN]->text, "X");
    EXPECT_EQ(screen.w_controls[FIRE_2_ROW][PAD_COLUMN]->text, "Y");
}

TEST_F(HowToPlay, ExitAndEscapeGoBackWhereItWasOpened) {
    open_how_to_play(MODE_SET_TEAM);
    EXPECT_EQ(drain_actions(), new_screen(MODE_HOW_TO_PLAY));
    {
        MenuHowToPlay screen;
        fire(screen);
        EXPECT_EQ(drain_actions(), new_screen(MODE_SET_TEAM)) << "EXIT is selected: fire leaves at once";
    }
    open_how_to_play(MODE_MAIN_MENU);
    drain_actions();
    MenuHowToPlay screen;
    input_key_event(KEY_ESCAPE, true);
    screen.update();
    input_key_event(KEY_ESCAPE, false);
    screen.update();
    EXPECT_EQ(drain_actions(), new_screen(MODE_MAIN_MENU));
}

TEST_F(HowToPlay, EveryLineIsInEveryLanguage) {
    std::vector<std::string> keys = how_to_play_lines();
    keys.insert(keys.end(), match_key_lines().begin(), match_key_lines().end());
    for (const char* shown : {"HOW TO PLAY", "D-PAD / STICK", "GOAL", "OWN GOAL", "PAUSED", "P OR FIRE: CONTINUE",
                              "PRESS ESC AGAIN TO END THE MATCH", "FIRE: SKIP", "FIRE: CONTINUE", "HIGHLIGHTS"})
        keys.emplace_back(shown);
    int languages = 0;
    for (const auto& e : fs::directory_iterator(fs::path(QUILBO_SOURCE_ASSETS) / "language")) {
        if (e.path().extension() != ".po") continue;
        ++languages;
        t_dictionary d;
        d.map.clear();
        d.read_po(e.path().string());
        for (const std::string& k : keys) EXPECT_FALSE(d.map[k].empty()) << k << " in " << e.path().filename();
    }
    EXPECT_EQ(languages, 4);
}
