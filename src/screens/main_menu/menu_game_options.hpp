#pragma once
// The game options: screen mode, country, music, mouse, language, audio driver and quitting.
#include "core/game_mode.hpp"
#include "screens/main_menu/settings_on_leave.hpp"
#include "ui/menu_toolkit.hpp"

// Screen mode, flags, music, mouse, language and audio driver; leaving it saves the settings.
class MenuGameOptions : public t_game_mode {
public:
    MenuGameOptions();
    void build_widgets();

    void bc_screen_mode();
    void bc_player_country();
    void bc_music_mode(int step);
    void bc_music_volume(int step);
    void bc_mouse();
    void bc_language(int step);
    void bc_audio_driver(int step);
    void bc_quit_to_os();
    void bc_exit();

    void update_screen_mode_button();
    void update_player_country_button();
    void update_music_mode_button();
    void update_music_volume_button();
    void update_mouse_button();
    void update_language_button();
    void update_audio_driver_button();

    t_button_ref w_screen_mode;
    t_button_ref w_player_country;
    t_button_ref w_music_mode;
    t_button_ref w_music_volume;
    t_button_ref w_mouse;
    t_button_ref w_language;
    t_button_ref w_audio_driver;

private:
    t_settings_saved_on_leave save_on_leave_;
};

// Reads the dictionary, catalogue, key names and translated tables of language `index`.
void switch_language(int index);
