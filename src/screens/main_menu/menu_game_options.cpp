#include "screens/main_menu/menu_game_options.hpp"

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/globals.hpp"
#include "core/game_action.hpp"
#include "core/keycodes.hpp"
#include "core/screen_modes.hpp"
#include "football/football_startup.hpp"
#include "football/tactics.hpp"
#include "screens/main_menu/option_values.hpp"
#include "ui/menu_music.hpp"

namespace {
constexpr int ROW_Y[] = {150, 210, 270, 330, 390, 450, 510};

int language_count() { return dictionary ? static_cast<int>(dictionary->language_files.size()) : 0; }
} // namespace

void switch_language(int index) {
    // The old language's texts must not linger where the new one has no entry.
    dictionary->map.clear();
    dictionary->fetch_language(index);
    const std::string base = language_base(index);
    load_team_catalogue(base);
    mark_available_team_files();
    load_key_names(base);
    fill_tactics_names();
    fill_football_tables();
}

MenuGameOptions::MenuGameOptions() {
    build_widgets();
}

// The captions are translated when they are made, so a new language rebuilds them all.
void MenuGameOptions::build_widgets() {
    widgets.clear();
    img_background = backgrounds->get("menu_game_options.jpg");
    add_title(*this, SLATE_BLUE, translate("GAME OPTIONS"));

    const char* const captions[] = {"SCREEN MODE", "PLAYER'S COUNTRY", "MUSIC MODE", "MUSIC VOLUME",
                                    "MOUSE",       "LANGUAGE",         "AUDIO DRIVER"};
    t_button_ref* const fields[] = {&w_screen_mode, &w_player_country, &w_music_mode, &w_music_volume,
                                    &w_mouse,       &w_language,       &w_audio_driver};
    for (size_t row = 0; row < std::size(ROW_Y); ++row) {
        add_caption(*this, CAPTION_RED, 52, ROW_Y[row], 440, 34, translate(captions[row]));
        t_button_ref v = add_button(*this, row % 2 == 0 ? VALUE_BLUE_A : VALUE_BLUE_B, 532, ROW_Y[row], 440, 34, "");
        *fields[row] = v;
    }
    bind_toggle(*this, *w_screen_mode, "bc_screen_mode", &MenuGameOptions::bc_screen_mode);
    bind_toggle(*this, *w_player_country, "bc_player_country", &MenuGameOptions::bc_player_country);
    bind_steps(*this, *w_music_mode, "bc_music_mode", &MenuGameOptions::bc_music_mode);
    bind_steps(*this, *w_music_volume, "bc_music_volume", &MenuGameOptions::bc_music_volume);
    bind_toggle(*this, *w_mouse, "bc_mouse", &MenuGameOptions::bc_mouse);
    bind_steps(*this, *w_language, "bc_language", &MenuGameOptions::bc_language);
    bind_steps(*this, *w_audio_driver, "bc_audio_driver", &MenuGameOptions::bc_audio_driver);
    selected_widget = w_screen_mode;

    add_action_button(*this, TEAL, 362, 590, 300, 34, translate("QUIT TO OS"), "bc_quit_to_os",
                      &MenuGameOptions::bc_quit_to_os);
    add_exit_button(*this, "bc_exit", &MenuGameOptions::bc_exit);

    update_screen_mode_button();
    update_player_country_button();
    update_music_mode_button();
    update_music_volume_button();
    update_mouse_button();
    update_language_button();
    update_audio_driver_button();
}

void MenuGameOptions::bc_screen_mode() {
    settings.full_screen = flag_not(settings.full_screen);
    update_screen_mode_button();
}

void MenuGameOptions::bc_player_country() {
    settings.use_flags = flag_not(settings.use_flags);
    update_player_country_button();
}

void MenuGameOptions::bc_music_mode(int step) {
    settings.music_mode = next_music_mode(settings.music_mode, step, music.get_mode_min(), music.get_mode_max());
    music.set_mode(settings.music_mode);
    update_music_mode_button();
}

void MenuGameOptions::bc_music_volume(int step) {
    settings.music_vol = next_music_volume(settings.music_vol, step);
    update_music_volume_button();
}

void MenuGameOptions::bc_mouse() {
    settings.mouse_enabled = flag_not(settings.mouse_enabled);
    update_mouse_button();
}

void MenuGameOptions::bc_language(int step) {
    settings.language = next_in_range(settings.language, language_count(), step);
    switch_language(settings.language);
    build_widgets();
    selected_widget = w_language;
}

void MenuGameOptions::bc_audio_driver(int step) {
    settings.audio_driver = next_in_range(settings.audio_driver, static_cast<int>(audio_drivers_list.size()), step);
    update_audio_driver_button();
}

void MenuGameOptions::bc_quit_to_os() {
    action_queue->push(ACTION_NEW_SCREEN, MODE_QUIT);
    settings.write(SETTINGS_VERSION);
}

void MenuGameOptions::bc_exit() {
    action_queue->push(ACTION_NEW_SCREEN, MODE_MAIN_MENU);
    settings.write(SETTINGS_VERSION);
}

void MenuGameOptions::update_screen_mode_button() {
    w_screen_mode->text = screen_mode_caption(settings.full_screen, w_screen_mode->text);
}

void MenuGameOptions::update_player_country_button() { w_player_country->text = flags_caption(settings.use_flags); }

void MenuGameOptions::update_music_mode_button() {
    std::string track = music.get_current_track_name();
    // Without sound nothing plays, but the chosen file can still be named.
    const auto mode = static_cast<size_t>(settings.music_mode);
    if (track.empty() && settings.music_mode >= 0 && mode < music.filelist.size()) track = music.filelist[mode];
    w_music_mode->text = music_mode_caption(settings.music_mode, track);
}

void MenuGameOptions::update_music_volume_button() { w_music_volume->text = music_volume_caption(settings.music_vol); }

void MenuGameOptions::update_mouse_button() { w_mouse->text = on_when_set(settings.mouse_enabled); }

void MenuGameOptions::update_language_button() { w_language->text = translate("// THIS LANGUAGE NAME //"); }

void MenuGameOptions::update_audio_driver_button() {
    w_audio_driver->text = audio_driver_caption(settings.audio_driver);
}
