#include <gtest/gtest.h>

#include <fstream>

#include "core/game.hpp"
#include "core/settings.hpp"
#include "../../core/game_test_support.hpp"
#include "../../ui/ui_test_support.hpp"
#include "screen_test_support.hpp"
#include "screens/main_menu/menu_control.hpp"
#include "screens/main_menu/menu_game_options.hpp"
#include "screens/main_menu/menu_match_options.hpp"
#include "screens/main_menu/option_values.hpp"
#include "ui/key_button.hpp"
#include "ui/menu_music.hpp"

using namespace screen_test;

namespace {
class OptionScreens : public testing::Test {
protected:
    void SetUp() override {
        music = t_menu_music();
        music.filelist = {"anthem.ogg", "b.side.remix.ogg", "cheer.wav"};
    }
    void TearDown() override { music = t_menu_music(); }
    game_folder folder;
};

t_settings saved_settings() {
    t_settings s;
    s.full_screen = -5; // a value the file must replace
    s.read(SETTINGS_VERSION);
    return s;
}
} // namespace

TEST(OptionCaptions, TrackNamesLoseTheirExtensionAndLongOnesAreCut) {
    EXPECT_EQ(music_track_caption("b.side.remix.ogg"), "B.SIDE.REMIX");
    EXPECT_EQ(music_track_caption("abcdefghijklmnopqrstuvwxyz1234"), "ABCDEFGHIJKLMNOPQRSTUVWXY...");
    // 28 characters still fit.
    EXPECT_EQ(music_track_caption("abcdefghijklmnopqrstuvwxyz12.ogg"), "ABCDEFGHIJKLMNOPQRSTUVWXYZ12");
    EXPECT_EQ(music_track_caption("caf\xC3\xA9.ogg"), "CAF\xC3\x89");
}

TEST_F(OptionScreens, CaptionsOfTheLimitsAndSpecialValues) {
    EXPECT_EQ(music_mode_caption(-2, ""), "ALL");
    EXPECT_EQ(music_mode_caption(-1, ""), "SHUFFLE");
    EXPECT_EQ(music_volume_caption(0), "OFF");
    EXPECT_EQ(music_volume_caption(100), "10");
    EXPECT_EQ(sound_effects_caption(0), "OFF");
    EXPECT_EQ(screen_mode_caption(7, "WINDOW"), "WINDOW");
    EXPECT_EQ(match_length_caption(3), "10 MINUTES");
    EXPECT_EQ(resolution_caption({800, 600, 1}), "800 \xC3\x97 600");
    EXPECT_EQ(on_when_set(2), "ON");
    EXPECT_EQ(on_when_one(2), "OFF");
    EXPECT_EQ(audio_driver_caption(2), "PULSEAUDIO");
    EXPECT_EQ(audio_driver_caption(3), "");
}

TEST_F(OptionScreens, MusicModeCyclesThroughAllShuffleAndEveryTrack) {
    MenuGameOptions screen;
    settings.music_mode = -2;
    std::vector<int> seen;
    for (int i = 0; i < 5; ++i) {
        screen.bc_music_mode(+1);
        seen.push_back(settings.music_mode);
    }
    EXPECT_EQ(seen, (std::vector<int>{-1, 0, 1, 2, -2}));
    screen.bc_music_mode(-1);
    EXPECT_EQ(settings.music_mode, 2);
    // Nothing plays without sound, yet the button names the chosen file.
    EXPECT_EQ(screen.w_music_mode->text, "CHEER");
}

TEST_F(OptionScreens, VolumesStopAtTheirEnds) {
    MenuGameOptions options;
    settings.music_vol = 100;
    options.bc_music_volume(+1);
    EXPECT_EQ(settings.music_vol, 100);
    settings.music_vol = 10;
    options.bc_music_volume(-1);
    EXPECT_EQ(options.w_music_volume->text, "OFF");
    options.bc_music_volume(-1);
    EXPECT_EQ(settings.music_vol, 0);

    MenuMatchOptions match;
    settings.sound_vol = 10;
    match.bc_sound_effects(+1);
    EXPECT_EQ(settings.sound_vol, 10);
    EXPECT_EQ(match.w_sound_effects->text, "10");
    settings.sound_vol = 0;
    match.bc_sound_effects(-1);
    EXPECT_EQ(match.w_sound_effects->text, "OFF");
}

TEST_F(OptionScreens, MatchOptionsWrapAndDoNotSave) {
    MenuMatchOptions screen;
    EXPECT_EQ(screen.selected_widget, screen.w_match_length);
    settings.length = 3;
    fire(screen);
    EXPECT_EQ(settings.length, 0);
    EXPECT_EQ(screen.w_match_length->text, "3 MINUTES");
    fire(screen, "fire2_down");
    EXPECT_EQ(screen.w_match_length->text, "10 MINUTES");
    settings.weather_max = 2;
    screen.bc_weather_effects(+1);
    EXPECT_EQ(screen.w_weather_effects->text, "OFF");
    settings.gr_mode = 7;
    screen.bc_resolution(+1);
    EXPECT_EQ(settings.gr_mode, 8) << "the widescreen sizes follow the eight of old";
    EXPECT_EQ(screen.w_resolution->text, resolution_caption({1280, 720, 0}));
    settings.gr_mode = 9;
    display_modes[0].available = 0;
    screen.bc_resolution(+1);
    EXPECT_EQ(settings.gr_mode, 0);
    EXPECT_EQ(screen.w_resolution->blinking, 1);
    display_modes[1].available = 1;
    screen.bc_resolution(+1);
    EXPECT_EQ(screen.w_resolution->blinking, 0);
    screen.bc_commentary();
    EXPECT_EQ(screen.w_commentary->text, "OFF");
    EXPECT_FALSE(fs::exists(SETTINGS_FILE));
}

TEST_F(OptionScreens, TheComputersLevelStepsBothWaysAndAutoSwitchToggles) {
    game_test::t_headless_game game_object(game_test::headless_options());
    MenuMatchOptions screen;
    t_extra_options& options = game->extra_options;
    EXPECT_EQ(screen.w_computer->text, "NORMAL");
    EXPECT_EQ(screen.w_auto_switch->text, "ON");
    std::vector<t_computer_level> seen;
    for (int i = 0; i < 3; ++i) {
        screen.bc_computer(+1);
        seen.push_back(options.computer_level);
    }
    EXPECT_EQ(seen, (std::vector<t_computer_level>{t_computer_level::hard, t_computer_level::easy,
                                                    t_computer_level::normal}));
    screen.bc_computer(-1);
    EXPECT_EQ(options.computer_level, t_computer_level::easy);
    EXPECT_EQ(screen.w_computer->text, "EASY");
    screen.bc_auto_switch();
    EXPECT_FALSE(options.auto_switch);
    EXPECT_EQ(screen.w_auto_switch->text, "OFF");
}

TEST_F(OptionScreens, LeavingGameOptionsSavesWhatWasChanged) {
    MenuGameOptions screen;
    EXPECT_EQ(screen.w_screen_mode->text, "WINDOW");
    fire(screen); // screen mode
    EXPECT_EQ(settings.full_screen, 1);
    EXPECT_EQ(screen.w_screen_mode->text, "FULL SCREEN");
    screen.bc_player_country();
    EXPECT_EQ(screen.w_player_country->text, "CODE");
    screen.bc_mouse();
    settings.key[1].button_2 = 81; // changed on the control screen, kept in memory until now
    EXPECT_FALSE(fs::exists(SETTINGS_FILE));

    screen.bc_exit();
    EXPECT_EQ(drain_actions(), new_screen(1));
    const t_settings back = saved_settings();
    EXPECT_EQ(back.full_screen, 1);
    EXPECT_EQ(back.use_flags, 0);
    EXPECT_EQ(back.mouse_enabled, 1);
    EXPECT_EQ(back.key[1].button_2, 81);

    settings.music_vol = 70;
    screen.bc_quit_to_os();
    EXPECT_EQ(drain_actions(), new_screen(76));
    EXPECT_EQ(saved_settings().music_vol, 70);
}

TEST_F(OptionScreens, AnotherLanguageChangesTheDictionaryAndTheTables) {
    fs::copy_file("keycodes/en.qsk", "keycodes/zz.qsk");
    fs::copy_file("data/tables/en.qsc", "data/tables/zz.qsc");
    std::ofstream("language/zz.po") << "msgid \"// THIS LANGUAGE NAME //\"\nmsgstr \"ZEDISH\"\n"
                                       "msgid \"OFF\"\nmsgstr \"NIX\"\n"
                                       "msgid \"G // code for: GOALKEEPER\"\nmsgstr \"TW // Torwart\"\n";
    dictionary = std::make_unique<t_dictionary>();
    dictionary->fetch_language(0);
    MenuGameOptions screen;
    EXPECT_EQ(screen.w_language->text, "ENGLISH");
    // "zz" sorts after every shipped language, so stepping back from the first wraps to it.
    const int last = static_cast<int>(dictionary->language_files.size()) - 1;
    ASSERT_EQ(dictionary->language_files.back(), "zz.po");
    const auto shows = [&](const std::string& caption) {
        for (const t_widget_ref& w : screen.widgets)
            if (w->text == caption) return true;
        return false;
    };
    EXPECT_TRUE(shows("LANGUAGE"));
    screen.bc_language(-1);
    EXPECT_EQ(settings.language, last);
    EXPECT_FALSE(shows("LANGUAGE")); // every caption follows the new language at once
    EXPECT_EQ(screen.selected_widget, screen.w_language);
    EXPECT_EQ(screen.w_language->text, "ZEDISH");
    EXPECT_EQ(translate("OFF"), "NIX");
    EXPECT_EQ(position_codes[0], "TW");
    screen.bc_language(+1);
    EXPECT_EQ(settings.language, 0);
    EXPECT_TRUE(shows("LANGUAGE"));
    EXPECT_EQ(translate("OFF"), "OFF");
    EXPECT_EQ(position_codes[0], "G");
}

TEST_F(OptionScreens, ControlScreenShowsBothKeySetsAndCapturesOnFire) {
    MenuControl screen;
    std::vector<std::shared_ptr<t_key_button>> keys;
    for (const t_widget_ref& w : screen.widgets)
        if (auto k = std::dynamic_pointer_cast<t_key_button>(w)) keys.push_back(k);
    ASSERT_EQ(keys.size(), 12u);
    EXPECT_EQ(screen.selected_widget, keys[0]);
    EXPECT_EQ(keys[0]->text, keycodes[38].name);
    EXPECT_EQ(keys[5]->text, keycodes[190].name);
    EXPECT_EQ(keys[6]->key_set, 1);
    EXPECT_EQ(keys[11]->text, keycodes[86].name);
    EXPECT_EQ(keys[6]->x, 642);
    fire(screen);
    EXPECT_EQ(keys[0]->entry_mode, 1);
    fire(screen);
    EXPECT_EQ(keys[0]->entry_mode, 0);
}

// The capture must not wait for the fire key to be let go: the screen went on waiting (and
// drawing nothing) for as long as any key or joystick button 0 was held.
TEST_F(OptionScreens, StartingACaptureWithKeysHeldDoesNotWaitAndSkipsThem) {
    reset_ui_input(); // also gives the input a script, so a wait would let go of everything
    MenuControl screen;
    auto up = std::dynamic_pointer_cast<t_key_button>(screen.selected_widget);
    ASSERT_TRUE(up);
    up->selected = 1; // as the screen's frame marks it
    const int fire_key = settings.key[0].button_1;
    constexpr int J = 74; // free in both key sets
    press(fire_key);
    press(J);
    set_joystick_button(0, 0, true);
    fire(screen);
    EXPECT_EQ(up->entry_mode, 1);
    EXPECT_TRUE(key_down(fire_key));
    EXPECT_TRUE(key_down(J));
    EXPECT_TRUE(joy_down(0, 0));
    up->update();
    EXPECT_EQ(settings.key[0].key_up, 38) << "a key held when the capture began is not taken";
    release(J);
    up->update();
    press(J);
    up->update();
    EXPECT_EQ(settings.key[0].key_up, J);
    EXPECT_EQ(up->entry_mode, 0);
    release(J);
    release(fire_key);
    reset_ui_input();
}

TEST_F(OptionScreens, LeavingMatchOptionsOrControlSavesTheSettings) {
    {
        MenuMatchOptions screen;
        settings.length = 1;
        fire(screen);
        EXPECT_FALSE(fs::exists(SETTINGS_FILE));
        screen.selected_widget = find_caption(screen, "EXIT");
        fire(screen);
        EXPECT_EQ(drain_actions(), new_screen(1));
    } // the main menu replaces it
    EXPECT_EQ(saved_settings().length, 2);
    {
        MenuControl screen;
        settings.key[1].button_2 = 81;
        settings.length = 3;
    } // the game quits here (Alt+F1, or the window closed)
    const t_settings back = saved_settings();
    EXPECT_EQ(back.key[1].button_2, 81);
    EXPECT_EQ(back.length, 3);
}
